#include "formats/Writers.h"

#include "formats/CabrilloWriter.h"
#include "formats/JarlLogWriter.h"

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

std::optional<std::string> writeRefusal(const CSorvakDoc& doc, FileKind kind) {
    return kind == KIND_JARL ? jarlLogRefusal(doc) : std::nullopt;
}

std::optional<std::string> writeCaution(const CSorvakDoc& doc, FileKind kind) {
    return kind == KIND_CABRILLO ? cabrilloIncompleteLines(doc) : std::nullopt;
}

}  // namespace sorvak
