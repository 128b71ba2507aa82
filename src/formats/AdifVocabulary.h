#pragma once

#include <string>
#include <string_view>

namespace sorvak {

// How the log's bands and modes are named in ADIF files.

// The ADIF band ("160m" ... "3cm") of a band code; empty outside the table.
std::string_view adifBandOf(int bandCode);
// The band code of an ADIF band in any letter case; -1 for the bands the log
// has no code for.
int bandCodeOfAdifBand(std::string_view band);
// The band code of a frequency in MHz, by the ADIF band edges; -1 outside them.
int bandCodeOfFrequency(double megahertz);

// The ADIF mode of a mode code; empty for "Other" and codes outside the table.
std::string_view adifModeOf(int modeCode);
// The mode code of an ADIF mode in any letter case; any other mode is "Other".
int modeCodeOfAdifMode(std::string_view mode);

// True when every byte is printable ASCII, as ADIF's plain strings must be.
bool isAdifAscii(std::string_view text);
// `text` in upper case (ASCII letters only).
std::string upperAscii(std::string_view text);

}  // namespace sorvak
