#pragma once

#include <string>
#include <string_view>

namespace sorvak {

// "-" for 0, else the number; right-aligned in `width` (a longer number is not cut).
std::string formatCount(long long n, int width);
// Nothing for 0, else "(n)"; padded with spaces to `width` (a longer text is not cut).
std::string formatCwSubcount(long long n, int width);

// The text of a band index: "ALL" for 0, else the band's text ("1.9" ... "10G").
std::string_view bandIndexText(int band);

// The note after a heading when CW sub-counts are shown.
inline constexpr const char* kCwNote = "　（括弧内は電信の内数）";

}  // namespace sorvak
