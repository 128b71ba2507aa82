#include "editing/FieldChecks.h"

#include <limits>

#include "platform/Cp932.h"

namespace sorvak {
namespace {

// Values beyond this are refused like any other text that is not a number.
constexpr long long kLargest = std::numeric_limits<int>::max();

std::string_view trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<long long> parseDigits(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > kLargest) {
            return std::nullopt;
        }
    }
    return value;
}

std::string rangeMessage(long long min, long long max) {
    return std::to_string(min) + " から " + std::to_string(max) + " までの整数を入力してください。";
}

}  // namespace

std::optional<long long> parseUnsigned(std::string_view text) {
    return parseDigits(trimmed(text));
}

std::optional<long long> parseSigned(std::string_view text) {
    std::string_view t = trimmed(text);
    bool negative = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        t.remove_prefix(1);
    }
    auto value = parseDigits(t);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

std::optional<std::string> checkUnsigned(std::string_view text) {
    if (!parseUnsigned(text)) {
        return std::string(kUnsignedMessage);
    }
    return std::nullopt;
}

std::optional<std::string> checkUnsigned(std::string_view text, long long min, long long max) {
    auto value = parseUnsigned(text);
    if (!value) {
        return std::string(kUnsignedMessage);
    }
    if (*value < min || *value > max) {
        return rangeMessage(min, max);
    }
    return std::nullopt;
}

std::optional<std::string> checkSigned(std::string_view text) {
    if (!parseSigned(text)) {
        return std::string(kSignedMessage);
    }
    return std::nullopt;
}

std::optional<std::string> checkSigned(std::string_view text, long long min, long long max) {
    auto value = parseSigned(text);
    if (!value) {
        return std::string(kSignedMessage);
    }
    if (*value < min || *value > max) {
        return rangeMessage(min, max);
    }
    return std::nullopt;
}

std::optional<std::string> checkText(std::string_view utf8, size_t maxBytes) {
    auto bytes = utf8ToCp932Exact(utf8);
    if (!bytes) {
        return std::string(kUnstorableTextMessage);
    }
    if (bytes->size() > maxBytes) {
        return std::to_string(maxBytes) + " 文字以内で入力してください。";
    }
    return std::nullopt;
}

std::optional<std::string> checkText(std::string_view utf8) {
    if (!utf8ToCp932Exact(utf8)) {
        return std::string(kUnstorableTextMessage);
    }
    return std::nullopt;
}

int numberOf(std::string_view text) {
    return static_cast<int>(parseSigned(text).value_or(0));
}

std::string storedText(std::string_view utf8) {
    return utf8ToCp932(utf8);
}

}  // namespace sorvak
