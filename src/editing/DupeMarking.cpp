#include "editing/DupeMarking.h"

#include <string_view>

#include "commands/SortCommands.h"
#include "editing/ListSelection.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "platform/Ui.h"

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

void sortByPointsCallTime(CSorvakDoc& doc, Ui& ui) {
    for (unsigned key : {unsigned{SORT_POINTS}, SORT_CALLSIGN | CMP_BYTES, unsigned{SORT_TIME}}) {
        sortQsos(doc, ui, key);
        doc.updateAllViews();
    }
}

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

std::vector<size_t> OnCheckDupe(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
    if (doc.count() < 2) {
        ui.tell("削除すべきデータがありません。");
        return {};
    }
    if (!ui.confirm("前処理のためデータをソートします。\nよろしいですか?")) {
        return {};
    }
    sortByPointsCallTime(doc, ui);
    if (!ui.confirm("DUPE QSOデータをチェックします")) {
        return {};
    }
    std::vector<size_t> rows;
    {
        WaitCursor wait(ui);
        rows = repeatedRows(doc);
        list.selectRows(rows);
    }
    ui.tell(rows.empty() ? "DUPE QSOデータはありません。"
                         : "DUPE QSOデータが選択されました。\n不要な場合は削除して下さい。");
    return rows;
}

}  // namespace sorvak
