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
// Nothing when a character cannot be held in CP932 (or the text is not UTF-8).
std::optional<std::string> utf8ToCp932Exactly(std::string_view utf8);

}  // namespace sorvak
