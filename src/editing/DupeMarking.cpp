#include "editing/DupeMarking.h"

#include <string_view>

#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

std::string_view unmarkedMemo(std::string_view memo) {
    constexpr std::string_view kMarker = "-DUPE- ";
    if (memo.starts_with(kMarker)) {
        memo.remove_prefix(kMarker.size());
    }
    return memo;
}

bool repeats(const QsoRecord& r, const QsoRecord& reference) {
    return r.time() == reference.time() && r.callSign() == reference.callSign() &&
           r.band() == reference.band() && r.mode() == reference.mode() &&
           r.power() == reference.power() && r.operatorName() == reference.operatorName() &&
           unmarkedMemo(r.memo()) == unmarkedMemo(reference.memo());
}

}  // namespace

std::vector<size_t> repeatedRows(const CSorvakDoc& doc) {
    std::vector<size_t> rows;
    if (doc.empty()) {
        return rows;
    }
    const QsoRecord* reference = &doc.at(0);
    for (size_t row = 1; row < doc.count(); ++row) {
        const QsoRecord& r = doc.at(row);
        if (repeats(r, *reference)) {
            rows.push_back(row);
        } else {
            reference = &r;
        }
    }
    return rows;
}

}  // namespace sorvak
