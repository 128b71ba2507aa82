#include "editing/NumberToMultiForm.h"

#include "editing/FieldChecks.h"

namespace sorvak {
namespace {

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The length of the text's whole characters within its first `bytes` bytes.
size_t wholeCharacters(const std::string& text, size_t bytes) {
    size_t i = 0;
    while (i < bytes) {
        size_t width = isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + width > bytes) {
            break;
        }
        i += width;
    }
    return i;
}

}  // namespace

std::optional<std::string> NumberToMultiForm::check() const {
    return checkSigned(cutCount);
}

std::string NumberToMultiForm::multiOf(const std::string& received) const {
    std::string multi = received;
    long long n = parseSigned(cutCount).value_or(0);
    if (n > 0) {
        size_t keep = static_cast<size_t>(n) >= multi.size() ? 0 : multi.size() - n;
        multi.resize(wholeCharacters(multi, keep));
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
