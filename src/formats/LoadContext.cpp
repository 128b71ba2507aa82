#include "formats/LoadContext.h"

namespace sorvak {

void LoadContext::add(std::unique_ptr<QsoRecord> record) {
    ++offered_;
    if (mode == LoadMode::Merge) {
        if (!mergeIndex_) {
            mergeIndex_.emplace(earlier_ != nullptr ? *earlier_ : doc);
        }
        if (!mergeIndex_->isUnique(*record)) {
            return;
        }
        mergeIndex_->insert(*record);
    }
    doc.add(std::move(record));
}

}  // namespace sorvak
