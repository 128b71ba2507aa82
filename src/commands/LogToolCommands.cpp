#include "commands/LogToolCommands.h"

#include "commands/SortCommands.h"
#include "editing/ContestDataForm.h"
#include "editing/DupeMarking.h"
#include "editing/FindCallForm.h"
#include "editing/ListSelection.h"
#include "editing/LogTools.h"
#include "editing/NumberToMultiForm.h"
#include "editing/SentNumberForm.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "platform/Cp932.h"
#include "platform/Ui.h"

namespace sorvak {

void OnSetSentNumbers(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
    SentNumberForm form;
    if (!doc.empty()) {
        form.sent = cp932ToUtf8(doc.at(0).sent());
    }
    while (ui.runDialog(form)) {
        if (auto message = form.check()) {
            ui.tell(*message);
            continue;
        }
        applySentNumber(doc, utf8ToCp932(form.sent));
        list.refresh();
        return;
    }
}

void OnNumberToMulti(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
    NumberToMultiForm form;
    while (ui.runDialog(form)) {
        if (auto message = form.check()) {
            ui.tell(*message);
            continue;
        }
        applyNumberToMulti(doc, form);
        list.refresh();
        return;
    }
}

void OnFindCall(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
    FindCallForm form;
    size_t position = 0;
    while (ui.runDialog(form)) {
        if (!form.canSearch()) {
            continue;
        }
        // A character the log cannot hold matches no call sign.
        auto wanted = utf8ToCp932Exact(form.text);
        size_t found = doc.count();
        for (size_t row = position; wanted && row < doc.count(); ++row) {
            if (doc.at(row).callSign().find(*wanted) != std::string::npos) {
                found = row;
                break;
            }
        }
        if (found < doc.count()) {
            list.selectOnly(found);
            position = found + 1;
        } else {
            ui.tell("コールサイン '" + form.text + "' が見つかりません。");
            position = 0;
        }
    }
}

void sortByPointsCallTime(CSorvakDoc& doc, Ui& ui) {
    for (unsigned key : {unsigned{SORT_POINTS}, SORT_CALLSIGN | CMP_BYTES, unsigned{SORT_TIME}}) {
        sortQsos(doc, ui, key);
        doc.updateAllViews();
    }
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

bool OnContestData(CSorvakDoc& doc, Ui& ui) {
    ContestDataForm form = ContestDataForm::prefilledFrom(doc);
    while (ui.runDialog(form)) {
        if (auto failure = form.check()) {
            ui.tell(failure->message);
            continue;
        }
        form.apply(doc);
        doc.setModified();
        return true;
    }
    return false;
}

}  // namespace sorvak
