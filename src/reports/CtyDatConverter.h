#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvak {

// Where Debian's hamradio-files package installs the maintained country list.
inline constexpr const char* kInstalledCtyDat = "/usr/share/hamradio-files/cty.dat";

// The country file made from a cty.dat country list, with what was kept and
// what was left out.
struct CtyDatConversion {
    std::string bytes;                 // the country definition file, CR LF lines
    size_t entities = 0;               // entities written
    size_t entitiesWithoutPrefix = 0;  // of those, entities listing only exact calls
    size_t prefixes = 0;               // prefixes written
    size_t exactCalls = 0;             // "=CALL" entries left out
    size_t repeatedPrefixes = 0;       // left out: an earlier entity has the prefix
    size_t continentBlocks = 0;        // extra header lines for continent overrides
    std::vector<size_t> skippedLines;  // numbers of the lines that are neither entity nor alias
};

// Converts cty.dat (entity lines "name: CQ zone: ITU zone: continent: lat:
// long: UTC offset: primary prefix:", each followed by comma-separated aliases
// ending in ';') into the country definition file the continent report reads:
// - the line "cqww.dat";
// - per entity a header line: the name in columns 0 to 24 (runs of blanks made
//   one space, cut to fit), the CQ zone from column 26, the primary prefix
//   from column 31 (so that the file also serves as a "cqww.dat" multiplier
//   list), and the continent; a '*' before the primary prefix is dropped;
// - the entity's prefixes without their "(n)", "[n]", "<lat/long>", "{cc}"
//   and "~n~" marks, on lines of at most 78 characters broken after a ',',
//   the last one followed by ';' (a lone ";" when the entity has only exact
//   calls, so that the entity stays in the list);
// - prefixes whose "{cc}" gives another continent under a further header line
//   of the same entity with that continent.
// Exact calls ("=CALL") are left out, and a prefix already given by an earlier
// entity is left out, as the first entity listing a prefix owns it.
CtyDatConversion convertCtyDat(std::string_view ctyDat);

}  // namespace sorvak
