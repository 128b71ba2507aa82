#include "formats/LoadContext.h"

namespace sorvak {

void LoadContext::add(std::unique_ptr<QsoRecord> record) {
    if (mode == LoadMode::Merge) {
        if (!mergeIndex_) {
            mergeIndex_.emplace(doc);
        }
        if (!mergeIndex_->isUnique(*record)) {
            return;
        }
        mergeIndex_->insert(*record);
    }
    doc.add(std::move(record));
}

}  // namespace sorvak
