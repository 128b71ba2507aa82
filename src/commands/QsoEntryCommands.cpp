#include "commands/QsoEntryCommands.h"

#include <algorithm>

#include "editing/ListSelection.h"
#include "editing/QsoEditForm.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

// Shows the dialog until its fields pass their checks or it is cancelled.
// The window's dialog checks before it closes; the check here covers a Ui
// that fills the form by other means.
bool runChecked(Ui& ui, QsoEditForm& form) {
    while (ui.runDialog(form)) {
        auto failure = form.check();
        if (!failure) {
            return true;
        }
        ui.tell(failure->message);
    }
    return false;
}

}  // namespace

bool editQso(CSorvakDoc& doc, Ui& ui, size_t row) {
    QsoEditForm form = QsoEditForm::fromRecord(doc.at(row), row);
    bool accepted = false;
    while (runChecked(ui, form)) {
        accepted = true;
        doc.setModified();
        std::vector<std::string> refusals = form.writeTo(doc.at(row));
        for (const std::string& refusal : refusals) {
            ui.tell(refusal);
        }
        if (refusals.empty()) {
            break;
        }
    }
    return accepted;
}

void enterNewQsos(CSorvakDoc& doc, Ui& ui, ListSelection& list, size_t position,
                  NewQsoMemory& memory, const std::function<void()>& entered) {
    position = std::min(position, doc.count());
    QsoEditForm form;
    form.newMode = true;
    form.qsoNumber = std::to_string(position + 1);
    form.sent = memory.sent;
    form.band = memory.band;
    form.operatorName = memory.operatorName;
    form.power = memory.power;
    while (true) {
        form.takeCurrentTime();
        if (!runChecked(ui, form)) {
            return;
        }
        doc.setModified();
        QsoEditForm::NewQso entry = form.buildRecord();
        if (!entry.record) {
            ui.tell(entry.problems);
            continue;
        }
        if (doc.isUnique(*entry.record) == 0) {
            ui.tell("既存データです");
        } else {
            doc.insertAt(position, std::move(entry.record));
            list.refresh();
            size_t added = position++;
            form.qsoNumber = std::to_string(position + 1);
            form.callSign.clear();
            form.rcvd.clear();
            list.selectOnly(added);
            if (entered) {
                entered();
            }
        }
        memory.sent = form.sent;
        memory.band = form.band;
        memory.operatorName = form.operatorName;
        memory.power = form.power;
    }
}

bool OnEditQso(CSorvakDoc& doc, Ui& ui, const ListSelection& list) {
    std::vector<size_t> rows = list.selectedRows();
    if (rows.empty()) {
        ui.tell("編集したいQSO行の左端の番号を選択してください。");
        return false;
    }
    bool accepted = false;
    for (size_t row : rows) {
        accepted = editQso(doc, ui, row) || accepted;
    }
    return accepted;
}

bool OnNewQso(CSorvakDoc& doc, Ui& ui, ListSelection& list, std::optional<size_t> cursorRow,
              NewQsoMemory& memory, const std::function<void()>& entered) {
    size_t position = doc.count();
    if (cursorRow) {
        Answer answer =
            ui.ask(Message{"データが選択されています。\nカーソル行に新規データを挿入しますか?\n\n"
                           "\"いいえ\"を選択した場合は、データ最後尾に追加します。",
                           Buttons::YesNoCancel, Icon::Question, Answer::Yes});
        if (answer == Answer::Cancel) {
            return false;
        }
        position = answer == Answer::Yes ? *cursorRow : position;
    }
    enterNewQsos(doc, ui, list, position, memory, entered);
    return true;
}

}  // namespace sorvak
