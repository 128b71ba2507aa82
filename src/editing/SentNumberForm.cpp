#include "editing/SentNumberForm.h"

#include "editing/FieldChecks.h"

namespace sorvak {

std::optional<std::string> SentNumberForm::check() const {
    // As long as the QSO dialog takes: the most the binary log keeps.
    return checkText(sent, 30);
}

}  // namespace sorvak
