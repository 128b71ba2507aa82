#include "editing/SentNumberForm.h"

#include "editing/FieldChecks.h"
#include "model/FieldCapacities.h"

namespace sorvak {

std::optional<std::string> SentNumberForm::check() const {
    // As long as the QSO dialog takes.
    return checkText(sent, kExchangeCapacity);
}

}  // namespace sorvak
