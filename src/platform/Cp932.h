#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvak {

// Conversions at the edges: QSO text is kept as CP932 bytes everywhere else.
// Bytes that do not decode become U+FFFD.
std::string cp932ToUtf8(std::string_view cp932);
// Characters CP932 cannot hold become '?'.
std::string utf8ToCp932(std::string_view utf8);
// Nothing when a character (or a byte sequence) has no CP932 form, so typed
// text is refused instead of silently altered.
std::optional<std::string> utf8ToCp932Exact(std::string_view utf8);
// The same, and `lost` is set when some character became '?' (it is never cleared).
std::string utf8ToCp932(std::string_view utf8, bool& lost);

// The longest start of `cp932` that holds at most `maxBytes` bytes and ends
// on a whole character: a lead byte is never kept without its trail byte.
// A text within the limit is returned whole.
std::string_view wholeCharactersWithin(std::string_view cp932, size_t maxBytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

}  // namespace sorvak
