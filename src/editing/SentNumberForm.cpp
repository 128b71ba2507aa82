#include "editing/SentNumberForm.h"

#include "editing/FieldChecks.h"

namespace sorvak {

std::optional<std::string> SentNumberForm::check() const {
    return checkText(sent);
}

}  // namespace sorvak
