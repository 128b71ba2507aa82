#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace sorvak {

// One tag of an ADI file: "<NAME>", "<NAME:LENGTH>" or "<NAME:LENGTH:T>"
// (T, the type indicator, is one letter).
struct AdiTag {
    std::string_view name;
    std::optional<size_t> length;  // absent for a tag without data (<EOH>, <EOR>)
    size_t end = 0;                // the offset just past the '>'
};

// The tag whose '<' stands at `at`, or nothing when the text there is not a tag.
// A length too large for any file is returned as it is: the caller compares
// it with what is left.
std::optional<AdiTag> parseAdiTag(std::string_view text, size_t at);

}  // namespace sorvak
