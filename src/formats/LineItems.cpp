#include "formats/LineItems.h"

#include <charconv>

namespace sorvak {
namespace {

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::vector<LineItem> itemsOf(std::string_view line) {
    std::vector<LineItem> items;
    size_t at = 0;
    while (at < line.size()) {
        if (isBlank(line[at])) {
            ++at;
            continue;
        }
        size_t start = at;
        while (at < line.size() && !isBlank(line[at])) {
            ++at;
        }
        items.push_back({line.substr(start, at - start), start});
    }
    return items;
}

std::string joinedItems(const std::vector<LineItem>& items, size_t from, size_t to) {
    std::string text;
    for (size_t i = from; i < to && i < items.size(); ++i) {
        if (!text.empty()) {
            text += ' ';
        }
        text += items[i].text;
    }
    return text;
}

std::optional<int> wholeNumber(std::string_view item) {
    if (item.empty() || item.size() > 9) {
        return std::nullopt;
    }
    bool negative = item.front() == '-';
    std::string_view digits = item.substr(negative || item.front() == '+' ? 1 : 0);
    int value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        digits.front() == '-') {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace sorvak
