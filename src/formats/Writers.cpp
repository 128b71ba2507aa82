#include "formats/Writers.h"

namespace sorvak {

std::optional<std::string> writeLogFile(const CSorvakDoc& doc, FileKind kind) {
    if (auto writer = fileFormat(kind).writer) {
        return writer(doc);
    }
    return std::nullopt;
}

}  // namespace sorvak
