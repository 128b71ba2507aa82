#include "reports/CallSignShape.h"

#include <algorithm>
#include <array>

namespace sorvak {
namespace {

constexpr size_t kLongestPrefix = 4;
constexpr size_t kLongestSuffix = 4;

bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isCall(CallShape shape) {
    return shape == CallShape::Regular || shape == CallShape::SpecialEvent;
}

// A call without '/': a prefix of one to three characters ending in a
// letter, a digit, and a suffix of letters. A one-letter prefix may take a
// second digit as its own (E73A, T32C); more digits or a suffix longer than
// four letters make a special-event call.
CallShape shapeOfPlainCall(std::string_view call) {
    size_t suffixStart = call.size();
    while (suffixStart > 0 && isLetter(call[suffixStart - 1])) {
        --suffixStart;
    }
    size_t digitsStart = suffixStart;
    while (digitsStart > 0 && isDigit(call[digitsStart - 1])) {
        --digitsStart;
    }
    size_t suffix = call.size() - suffixStart;
    size_t digits = suffixStart - digitsStart;
    size_t prefix = digitsStart;
    if (suffix == 0 || digits == 0 || prefix == 0 || prefix > 3) {
        return CallShape::NotACall;
    }
    bool usualDigits = digits == 1 || (digits == 2 && prefix == 1);
    return usualDigits && suffix <= kLongestSuffix ? CallShape::Regular : CallShape::SpecialEvent;
}

// A prefix written before or after a call: W1, 4L, KH0, 3D2, F.
bool isPrefix(std::string_view part) {
    return !part.empty() && part.size() <= kLongestPrefix &&
           std::any_of(part.begin(), part.end(), isLetter);
}

// After a call: an area digit or letter (/1, /P, /M, /A, /D), MM, AM, QRP,
// or a prefix with a digit (/KL7, /VE3, /6Y).
bool isPortableSuffix(std::string_view part) {
    static constexpr std::array<std::string_view, 3> kWords = {"MM", "AM", "QRP"};
    if (part.size() == 1) {
        return isDigit(part[0]) || isLetter(part[0]);
    }
    if (std::find(kWords.begin(), kWords.end(), part) != kWords.end()) {
        return true;
    }
    return isPrefix(part) && std::any_of(part.begin(), part.end(), isDigit);
}

struct ParsedCall {
    CallShape shape;
    std::string_view base;
};

ParsedCall parse(std::string_view call) {
    if (call.empty()) {
        return {CallShape::Empty, call};
    }
    for (char c : call) {
        if (!isLetter(c) && !isDigit(c) && c != '/') {
            return {CallShape::BadCharacters, call};
        }
    }
    std::array<std::string_view, 3> parts;
    size_t count = 0;
    for (size_t start = 0;;) {
        size_t slash = call.find('/', start);
        if (count == parts.size()) {
            return {CallShape::NotACall, call};
        }
        parts[count++] = call.substr(start, slash - start);
        if (slash == std::string_view::npos) {
            break;
        }
        start = slash + 1;
    }
    if (std::any_of(parts.begin(), parts.begin() + count,
                    [](std::string_view part) { return part.empty(); })) {
        return {CallShape::NotACall, call};
    }
    if (count == 1) {
        return {shapeOfPlainCall(call), call};
    }
    if (count == 2) {
        CallShape first = shapeOfPlainCall(parts[0]);
        if (isCall(first) && isPortableSuffix(parts[1])) {
            return {first, parts[0]};
        }
        CallShape second = shapeOfPlainCall(parts[1]);
        if (isPrefix(parts[0]) && isCall(second)) {
            return {second, parts[1]};
        }
        return {CallShape::NotACall, call};
    }
    CallShape middle = shapeOfPlainCall(parts[1]);
    if (isPrefix(parts[0]) && isCall(middle) && isPortableSuffix(parts[2])) {
        return {middle, parts[1]};
    }
    return {CallShape::NotACall, call};
}

}  // namespace

CallShape callShape(std::string_view call) {
    return parse(call).shape;
}

std::string_view baseCall(std::string_view call) {
    return parse(call).base;
}

bool isJapaneseCall(std::string_view base) {
    if (base.size() < 2) {
        return false;
    }
    char second = base[1];
    if (base[0] == 'J') {
        return second >= 'A' && second <= 'S';
    }
    return (base[0] == '7' || base[0] == '8') && second >= 'J' && second <= 'N';
}

}  // namespace sorvak
