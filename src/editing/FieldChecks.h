#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvak {

// The checks a dialog makes on its fields when OK is pressed, with the
// messages the user sees. Each returns the message of a failing field, or
// nothing when the field is acceptable.

inline constexpr const char* kUnsignedMessage = "正の整数を入力してください。";
inline constexpr const char* kSignedMessage = "整数を入力してください。";
// A typed character that the log's character set cannot store.
inline constexpr const char* kUnstorableTextMessage =
    "この欄には使用できない文字が含まれています。";

// The years a QSO time can hold: a later or earlier date would leave the QSO
// with no time at all.
inline constexpr long long kFirstYear = 1970;
inline constexpr long long kLastYear = 2037;

// Digits with optional blanks around them.
std::optional<long long> parseUnsigned(std::string_view text);
// An optional sign, digits, optional blanks around them.
std::optional<long long> parseSigned(std::string_view text);

std::optional<std::string> checkUnsigned(std::string_view text);
std::optional<std::string> checkUnsigned(std::string_view text, long long min, long long max);
std::optional<std::string> checkSigned(std::string_view text);
std::optional<std::string> checkSigned(std::string_view text, long long min, long long max);
// A UTF-8 text that must be storable as CP932 and, with a limit, hold at most
// `maxBytes` CP932 bytes (a double-byte character counts two).
std::optional<std::string> checkText(std::string_view utf8, size_t maxBytes);
std::optional<std::string> checkText(std::string_view utf8);

// The number of a field that passed its check (0 for one that did not).
int numberOf(std::string_view text);
// The CP932 bytes of a text that passed its check.
std::string storedText(std::string_view utf8);

}  // namespace sorvak
