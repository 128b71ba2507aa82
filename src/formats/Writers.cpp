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

std::optional<std::string> writeRefusal(const CSorvakDoc& doc, FileKind kind) {
    auto refusal = fileFormat(kind).refusal;
    return refusal != nullptr ? refusal(doc) : std::nullopt;
}

std::optional<std::string> writeCaution(const CSorvakDoc& doc, FileKind kind) {
    auto caution = fileFormat(kind).caution;
    return caution != nullptr ? caution(doc) : std::nullopt;
}

}  // namespace sorvak
