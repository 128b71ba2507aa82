#include "ProgramDialogs.h"

#include "AnalysisDialog.h"
#include "BulkChangeDialog.h"
#include "CabrilloHeaderDialog.h"
#include "CheckListDialog.h"
#include "ContestDataDialog.h"
#include "FindCallDialog.h"
#include "JarlLogDialog.h"
#include "LogCheckDialog.h"
#include "NumberToMultiDialog.h"
#include "QsoEditDialog.h"
#include "SentNumberDialog.h"
#include "StationSettings.h"
#include "VersionDialog.h"
#include "VersionForm.h"

namespace sorvak {
namespace {

template <typename Dialog, typename Form>
bool runAs(Form& form, Ui& ui, QWidget* parent) {
    Dialog dialog(form, ui, parent);
    return dialog.exec() == QDialog::Accepted;
}

// A dialog of the station's fields, offered from and kept in the settings.
template <typename Dialog, typename Form>
bool runRemembering(Form& form, Ui& ui, QWidget* parent, QSettings* settings) {
    if (settings) {
        offerStationFields(form, *settings);
    }
    bool accepted = runAs<Dialog>(form, ui, parent);
    if (accepted && settings) {
        keepStationFields(form, *settings);
    }
    return accepted;
}

bool runEditingDialog(DialogForm& form, Ui& ui, QWidget* parent) {
    if (auto* qso = dynamic_cast<QsoEditForm*>(&form)) {
        return runAs<QsoEditDialog>(*qso, ui, parent);
    }
    if (auto* bulk = dynamic_cast<BulkChangeForm*>(&form)) {
        return runAs<BulkChangeDialog>(*bulk, ui, parent);
    }
    if (auto* sent = dynamic_cast<SentNumberForm*>(&form)) {
        return runAs<SentNumberDialog>(*sent, ui, parent);
    }
    if (auto* multi = dynamic_cast<NumberToMultiForm*>(&form)) {
        return runAs<NumberToMultiDialog>(*multi, ui, parent);
    }
    if (auto* contest = dynamic_cast<ContestDataForm*>(&form)) {
        return runAs<ContestDataDialog>(*contest, ui, parent);
    }
    if (auto* find = dynamic_cast<FindCallForm*>(&form)) {
        FindCallDialog dialog(*find, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    return false;
}

}  // namespace

bool runProgramDialog(DialogForm& form, Ui& ui, QWidget* parent, QSettings* settings) {
    if (dynamic_cast<VersionForm*>(&form) != nullptr) {
        VersionDialog dialog(parent);
        return dialog.exec() == QDialog::Accepted;
    }
    if (auto* cabrillo = dynamic_cast<CabrilloHeaderForm*>(&form)) {
        return runRemembering<CabrilloHeaderDialog>(*cabrillo, ui, parent, settings);
    }
    if (auto* jarl = dynamic_cast<JarlLogForm*>(&form)) {
        return runRemembering<JarlLogDialog>(*jarl, ui, parent, settings);
    }
    if (auto* checkList = dynamic_cast<CheckListForm*>(&form)) {
        CheckListDialog dialog(*checkList, ui, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    if (auto* logCheck = dynamic_cast<LogCheckForm*>(&form)) {
        LogCheckDialog dialog(*logCheck, ui, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    if (auto* analysis = dynamic_cast<AnalysisForm*>(&form)) {
        AnalysisDialog dialog(*analysis, ui, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    return runEditingDialog(form, ui, parent);
}

}  // namespace sorvak
