#pragma once

#include <string_view>

namespace sorvak {

// The lines of a text file held in memory, split at LF with one LF and then
// one CR stripped. A line is never cut however long it is, so a long line of
// a data file cannot turn into a second, made-up line.
class TextLines {
  public:
    explicit TextLines(std::string_view bytes) : rest_(bytes) {}

    // The next line; false after the last one. A final line without a line
    // feed counts; the empty text after a final line feed does not.
    bool next(std::string_view& line);

  private:
    std::string_view rest_;
};

// Blank as the data files use it: space, tab, and the other C-locale blanks.
// Bytes of a double-byte character are never blank.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The first blank-delimited item of `text` at or after `from`; empty when
// there is none.
std::string_view firstItem(std::string_view text, size_t from = 0);

// Takes the first blank-delimited item off the front of `text` (empty when
// there is none) and leaves the rest in `text`.
std::string_view takeItem(std::string_view& text);

// `text` without leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

}  // namespace sorvak
