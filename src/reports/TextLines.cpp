#include "reports/TextLines.h"

namespace sorvak {

bool TextLines::next(std::string_view& line) {
    if (rest_.empty()) {
        return false;
    }
    size_t end = rest_.find('\n');
    if (end == std::string_view::npos) {
        line = rest_;
        rest_ = {};
    } else {
        line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return true;
}

std::string_view firstItem(std::string_view text, size_t from) {
    size_t start = from;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    size_t end = start;
    while (end < text.size() && !isBlank(text[end])) {
        ++end;
    }
    return start < text.size() ? text.substr(start, end - start) : std::string_view{};
}

std::string_view takeItem(std::string_view& text) {
    std::string_view item = firstItem(text);
    text.remove_prefix(item.empty() ? text.size() : item.data() + item.size() - text.data());
    return item;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace sorvak
