#include "editing/NumberToMultiForm.h"

#include "editing/FieldChecks.h"
#include "platform/Cp932.h"

namespace sorvak {

std::optional<std::string> NumberToMultiForm::check() const {
    return checkSigned(cutCount);
}

std::string NumberToMultiForm::multiOf(const std::string& received) const {
    std::string multi = received;
    long long n = parseSigned(cutCount).value_or(0);
    if (n > 0) {
        size_t keep = static_cast<size_t>(n) >= multi.size() ? 0 : multi.size() - n;
        multi.resize(wholeCharactersWithin(multi, keep).size());
    }
    if (digitsOnly) {
        size_t digits = 0;
        while (digits < multi.size() && multi[digits] >= '0' && multi[digits] <= '9') {
            ++digits;
        }
        multi.resize(digits);
    }
    return multi;
}

}  // namespace sorvak
