#pragma once

#include <string>
#include <string_view>

namespace sorvak {

// The band, mode and power vocabulary. -1 means not set; texts of codes
// outside a table are empty (a power letter outside its table is '\0').

inline constexpr int kBandCount = 16;
inline constexpr int kModeCount = 6;
inline constexpr int kPowerCount = 4;

std::string_view bandTextOf(int code);
std::string_view modeTextOf(int code);
char powerLetterOf(int code);

int bandCodeOf(std::string_view text);
int modeCodeOf(std::string_view text);
int powerCodeOf(char letter);

}  // namespace sorvak
