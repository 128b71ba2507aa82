#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sorvak {

// A continent as the continent report counts it: the two-letter code of the
// country file and the name printed in the report.
struct Continent {
    std::string_view code;
    std::string_view name;
};

// The seven continents in report order; continent index k is entry k - 1.
inline constexpr std::array<Continent, 7> kContinents = {{
    {"NA", "North America"},
    {"SA", "South America"},
    {"EU", "Europe"},
    {"AS", "Asia"},
    {"AF", "Africa"},
    {"OC", "Oceania"},
    {"AN", "Antarctica"},
}};

// The continent index 1 to 7 of a code, judged by its first two characters;
// 0 for a code that is none of them.
int continentIndex(std::string_view code);

// The continent of a CQ zone, for countries whose line gives none: "??" for a
// zone outside 1 to 40.
std::string_view continentOfZone(int zone);

}  // namespace sorvak
