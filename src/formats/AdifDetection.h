#pragma once

#include <string_view>

#include "formats/FileKind.h"

namespace sorvak {

class LogSource;

// The ADIF kind of a file that no other format test recognised: KIND_ADX for
// XML whose root element is ADX; KIND_ADI when the file holds <EOH> (any
// letter case) or its first tag is a data field ("<NAME:5>", "<NAME:5:S>");
// KIND_UNKNOWN otherwise, and for every file that begins with another tag
// (an HTML page, other XML, a JARL electronic log). Reads only the first
// kAdifDetectionBytes of the file, from its start.
FileKind adifKindOf(LogSource& source);

inline constexpr size_t kAdifDetectionBytes = 64 * 1024;

// The same test over the first bytes of a file.
FileKind adifKindOfText(std::string_view head);

// True when the text is XML whose root element is ADX.
bool isAdxText(std::string_view head);

// The text without a leading UTF-8 byte order mark.
std::string_view withoutByteOrderMark(std::string_view text);

}  // namespace sorvak
