#pragma once

#include "formats/FileKind.h"

namespace sorvak {

class LogSource;
class Ui;

// Decides a file's format from its content (and, for one fallback, its
// name). Leaves the file at an undefined position; may show a message.
FileKind FileCheckType(LogSource& source, Ui& ui);

}  // namespace sorvak
