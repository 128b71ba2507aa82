#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace sorvak {

// printf into a string of whatever length the values need: a long value is
// never cut, it pushes the rest of the line to the right.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same over an argument list the caller started (and ends).
std::string vformatText(const char* format, va_list args) __attribute__((format(printf, 1, 0)));

// The text with each "\n" written as CR LF, as the text files are stored.
std::string withCrLf(std::string_view text);

}  // namespace sorvak
