#include "ProgramDialogs.h"

#include "AnalysisDialog.h"
#include "CabrilloHeaderDialog.h"
#include "CheckListDialog.h"
#include "VersionDialog.h"
#include "VersionForm.h"

namespace sorvak {

bool runProgramDialog(DialogForm& form, Ui& ui, QWidget* parent) {
    if (dynamic_cast<VersionForm*>(&form) != nullptr) {
        VersionDialog dialog(parent);
        return dialog.exec() == QDialog::Accepted;
    }
    if (auto* cabrillo = dynamic_cast<CabrilloHeaderForm*>(&form)) {
        CabrilloHeaderDialog dialog(*cabrillo, ui, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    if (auto* checkList = dynamic_cast<CheckListForm*>(&form)) {
        CheckListDialog dialog(*checkList, ui, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    if (auto* analysis = dynamic_cast<AnalysisForm*>(&form)) {
        AnalysisDialog dialog(*analysis, ui, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    return false;
}

}  // namespace sorvak
