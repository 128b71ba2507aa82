#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvak {

class CSorvakDoc;
struct CabrilloHeader;

// The program the CREATED-BY line of the files written here names.
inline constexpr std::string_view kCabrilloProgram = "sorvak(Quog)";

// The Cabrillo file (version 2.0 or 3.0 as the document's Cabrillo settings
// say): header, one "QSO:" line per QSO in list order, the "QTC:" lines of
// the QTC notes in the memos, and the end line.
std::string writeCabrillo(const CSorvakDoc& doc);

// The frequency and mode fields of a QSO line; empty for a code outside the
// tables.
const char* cabrilloFrequencyText(int band);
const char* cabrilloModeText(int mode);

// What the user should know before the file is written (UTF-8): how many
// QSO lines will lack a field a sponsor's program needs (a time, the call,
// the sent or received exchange, the band or the mode), and the line number
// of the first. Nothing when every line is complete.
std::optional<std::string> cabrilloIncompleteLines(const CSorvakDoc& doc);

// The header lines of `version` whose values are not ASCII, by their tags
// ("NAME", "ADDRESS" ...), in the order they are written.
std::vector<std::string> nonAsciiCabrilloTags(const CabrilloHeader& header, int version);

}  // namespace sorvak
