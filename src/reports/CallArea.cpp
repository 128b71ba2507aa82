#include "reports/CallArea.h"

namespace sorvak {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> callArea(std::string_view call) {
    if (call.size() < 3 || !isDigit(call[2])) {
        return std::nullopt;
    }
    int area = call[2] - '0';
    if (call[0] == '7' && call[1] != 'J') {
        area = 1;
    }
    if ((call.size() > 5 && call[5] == '/') || (call.size() > 6 && call[6] == '/')) {
        for (size_t i = 5; i < call.size(); ++i) {
            if (isDigit(call[i])) {
                area = call[i] - '0';
                break;
            }
        }
    }
    return area == 0 ? 10 : area;
}

}  // namespace sorvak
