#include "ProgramDialogs.h"

#include "CabrilloHeaderDialog.h"
#include "JarlLogDialog.h"
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
    if (auto* jarl = dynamic_cast<JarlLogForm*>(&form)) {
        JarlLogDialog dialog(*jarl, ui, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    return false;
}

}  // namespace sorvak
