#include "commands/ListCommands.h"

#include "editing/BulkChangeForm.h"
#include "editing/ListSelection.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"

namespace sorvak {

void deleteRows(CSorvakDoc& doc, const std::vector<size_t>& rows) {
    doc.removeRows(rows);
    doc.setModified();
}

bool OnDelete(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
    if (!ui.confirm("このデータを削除しますか?")) {
        return false;
    }
    WaitCursor wait(ui);
    std::vector<size_t> rows = list.selectedRows();
    if (rows.empty()) {
        ui.tell("削除したいQSO行の左端の番号を選択してください。");
        return false;
    }
    deleteRows(doc, rows);
    list.showRowsDeleted(rows);
    return true;
}

bool bulkChange(CSorvakDoc& doc, Ui& ui, const std::vector<size_t>& rows) {
    if (rows.empty()) {
        return false;
    }
    BulkChangeForm form = BulkChangeForm::prefilledFrom(doc.at(rows.front()));
    bool accepted = false;
    while (ui.runDialog(form)) {
        if (auto failure = form.check()) {
            ui.tell(failure->message);
            continue;
        }
        accepted = true;
        doc.setModified();
        std::optional<std::string> refusal = form.apply(doc, rows);
        if (!refusal) {
            break;
        }
        ui.tell(*refusal);
    }
    return accepted;
}

bool OnBulkChange(CSorvakDoc& doc, Ui& ui, const ListSelection& list) {
    std::vector<size_t> rows = list.selectedRows();
    if (rows.empty()) {
        ui.tell("編集したいQSO行の左端の番号を選択して範囲を指定してください。");
        return false;
    }
    return bulkChange(doc, ui, rows);
}

}  // namespace sorvak
