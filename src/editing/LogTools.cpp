#include "editing/LogTools.h"

#include "editing/FindCallForm.h"
#include "editing/ListSelection.h"
#include "editing/NumberToMultiForm.h"
#include "editing/SentNumberForm.h"
#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"
#include "platform/Ui.h"

namespace sorvak {

void applySentNumber(CSorvakDoc& doc, const std::string& sent) {
    for (auto& record : doc.mutableQsoList()) {
        record->setSent(sent);
    }
    doc.setModified();
}

void setAllSentNumbers(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
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

void applyNumberToMulti(CSorvakDoc& doc, const NumberToMultiForm& form) {
    for (auto& record : doc.mutableQsoList()) {
        record->setMulti(form.multiOf(record->rcvd()));
    }
    doc.setModified();
}

void copyNumberToMulti(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
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

void findCall(CSorvakDoc& doc, Ui& ui, ListSelection& list) {
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

}  // namespace sorvak
