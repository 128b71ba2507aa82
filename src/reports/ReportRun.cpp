#include "reports/ReportRun.h"

#include <cstdarg>

#include "platform/Cp932.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

void ReportRun::write(std::string_view utf8) {
    if (isAscii(utf8)) {
        text.append(utf8);
    } else {
        text += utf8ToCp932(utf8);
    }
}

void ReportRun::writeBytes(std::string_view cp932) {
    text.append(cp932);
}

void ReportRun::print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    write(vformatText(format, args));
    va_end(args);
}

void ReportRun::spaces(int n) {
    if (n > 0) {
        text.append(static_cast<size_t>(n), ' ');
    }
}

}  // namespace sorvak
