#include "formats/Writers.h"

namespace sorvak {

std::optional<std::string> writeLogFile(const CSorvakDoc& doc, FileKind kind, std::string* note) {
    auto writer = fileFormat(kind).writer;
    if (writer == nullptr) {
        return std::nullopt;
    }
    std::string message;
    std::string bytes = writer(doc, message);
    if (note != nullptr) {
        *note = std::move(message);
    }
    return bytes;
}

}  // namespace sorvak
