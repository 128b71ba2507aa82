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

// The refusal and the caution of the format table's row for `kind`.
std::optional<std::string> writeRefusal(const CSorvakDoc& doc, FileKind kind);
std::optional<std::string> writeCaution(const CSorvakDoc& doc, FileKind kind);

}  // namespace sorvak
