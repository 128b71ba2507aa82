#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sorvak {

// A hash of texts that can be searched with a string_view without building a
// std::string for every look-up.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

}  // namespace sorvak
