#pragma once

#include <string>
#include <string_view>

#include "reports/CountryTable.h"

namespace sorvak {

// How reading the country definition file went.
enum class CountryFileStatus {
    Read,         // the table holds the file's prefixes
    NoPath,       // no file was named
    CannotOpen,   // the file could not be opened or read
    WrongFormat,  // its first line does not begin with "cqww.dat"
};

struct CountryFileResult {
    CountryFileStatus status = CountryFileStatus::Read;
    CountryTable table;
};

// Reads a country definition file held in memory: the "cqww.dat" line, then
// country blocks, each a header line (name in columns 0 to 24, from column 26
// the CQ zone, the main prefix and an optional continent) and prefix lines
// ending every prefix with ',' or, after the country's last one, ';'. Lines
// are read whole; blank lines between blocks are skipped; a line beginning
// with "end of" where a header is expected ends the file.
CountryFileResult readCountryFile(std::string_view bytes);

// Reads the country file at `path` (NoPath for an empty path).
CountryFileResult loadCountryFile(const std::string& path);

// The message for a failed read of the file at `path` (UTF-8); empty for Read.
std::string countryFileMessage(CountryFileStatus status, const std::string& path);

}  // namespace sorvak
