#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "formats/LogSource.h"

namespace sorvak {

class Ui;

// Pieces of a line of a text log, as the line readers take them. A line is
// C text: it ends at its first NUL byte. Columns count bytes from 0, and a
// column past the end of the line holds nothing.

// Room for any one item of a line: "%254s" never overflows it.
using ItemBuffer = std::array<char, LogSource::kMaxLine + 1>;

// The line up to its first NUL byte.
std::string cText(const std::string& line);

// The first blank-separated item inside columns [column, column + width).
std::string itemInColumns(const std::string& line, size_t column, size_t width);

// The first blank-separated item from `column` on, cut to `limit` bytes.
std::string itemFrom(const std::string& line, size_t column, size_t limit);

// The item from `column` on, as itemFrom, but only when the field's own
// columns [column, column + width) hold one: an empty field does not take
// the next item of the line.
std::string fieldItem(const std::string& line, size_t column, size_t width, size_t limit);

// The number at `column` (after blanks), read with at most 9 characters so
// that no value overflows; `fallback` when none can be read there.
int numberFrom(const std::string& line, size_t column, int fallback);
// The same inside columns [column, column + width) only.
int numberInColumns(const std::string& line, size_t column, size_t width, int fallback);

// The text from `column` to the end of the line.
std::string restFrom(const std::string& line, size_t column);

// The power letter a sent number gives: its last character when that is
// P, L, M or H, else P.
char powerFromSent(const std::string& sent);

// An operator name written as "%%name%%" at `column`: stores the name (up to
// the next '%', at most 31 bytes) and returns the reading position after the
// closing pair and one blank that follows it. Without a closing pair nothing
// more of the line is read. Returns `column` when no name stands there.
size_t readOperatorName(const std::string& line, size_t column, std::string& name);

// "TX#" at `column`: stores the number after it (0 when none) and returns true.
bool readTxNumber(const std::string& line, size_t column, int& txNumber);

// The year of the file's last modification in local time (1970 when unknown).
int modificationYear(const LogSource& source);

// Asks whether to go on after line `lineNumber` failed its date; true on Yes.
bool askToGoOn(Ui& ui, int lineNumber, const std::string& line);

}  // namespace sorvak
