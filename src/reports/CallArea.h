#pragma once

#include <optional>
#include <string_view>

namespace sorvak {

// The area index (1 to 9, 10 for area 0) of a Japanese call sign: its
// third character, 1 for 7K to 7N calls, or the digit after a '/' at the
// sixth or seventh character. Nothing when the third character is no digit.
std::optional<int> callArea(std::string_view callSign);

}  // namespace sorvak
