#pragma once

#include <optional>
#include <string>

#include "formats/FileKind.h"

namespace sorvak {

class CSorvakDoc;

// The bytes of the whole file that the writer of `kind` makes of the
// document; nothing for a kind without a writer. A writer that could not
// carry everything puts the message for the user into `note`.
std::optional<std::string> writeLogFile(const CSorvakDoc& doc, FileKind kind,
                                        std::string* note = nullptr);

// Why the writer of `kind` cannot write this log (UTF-8), or nothing when it
// can; only a writer whose lines must stay readable by another program refuses.
std::optional<std::string> writeRefusal(const CSorvakDoc& doc, FileKind kind);

// What the user should know before the writer of `kind` writes this log
// (UTF-8), or nothing: the file is still written.
std::optional<std::string> writeCaution(const CSorvakDoc& doc, FileKind kind);

}  // namespace sorvak
