#include "ProgramDialogs.h"

#include "VersionDialog.h"
#include "VersionForm.h"

namespace sorvak {

bool runProgramDialog(DialogForm& form, QWidget* parent) {
    if (dynamic_cast<VersionForm*>(&form) != nullptr) {
        VersionDialog dialog(parent);
        return dialog.exec() == QDialog::Accepted;
    }
    return false;
}

}  // namespace sorvak
