#include "formats/AdiTag.h"

namespace sorvak {
namespace {

// Field names are printable ASCII without blanks, commas, colons, angle or
// curly brackets.
bool isNameChar(char c) {
    return c > ' ' && c <= '~' && c != ',' && c != ':' && c != '<' && c != '>' && c != '{' &&
           c != '}';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::optional<AdiTag> parseAdiTag(std::string_view text, size_t at) {
    if (at >= text.size() || text[at] != '<') {
        return std::nullopt;
    }
    size_t i = at + 1;
    while (i < text.size() && isNameChar(text[i])) {
        ++i;
    }
    AdiTag tag;
    tag.name = text.substr(at + 1, i - at - 1);
    if (tag.name.empty() || i >= text.size()) {
        return std::nullopt;
    }
    if (text[i] == ':') {
        size_t digits = ++i;
        size_t length = 0;
        constexpr size_t kHuge = size_t{1} << 48;
        while (i < text.size() && isDigit(text[i])) {
            length = length < kHuge ? length * 10 + static_cast<size_t>(text[i] - '0') : kHuge;
            ++i;
        }
        if (i == digits || i >= text.size()) {
            return std::nullopt;
        }
        if (text[i] == ':') {
            if (i + 1 >= text.size() || !isLetter(text[i + 1])) {
                return std::nullopt;
            }
            i += 2;
        }
        tag.length = length;
    }
    if (i >= text.size() || text[i] != '>') {
        return std::nullopt;
    }
    tag.end = i + 1;
    return tag;
}

}  // namespace sorvak
