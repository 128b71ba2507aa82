#include "formats/Writers.h"

#include "formats/BinaryLog.h"

namespace sorvak {

std::optional<std::string> writeLogFile(const CSorvakDoc& doc, FileKind kind) {
    switch (kind) {
        case KIND_QGB:
            return writeBinaryLog(doc);
        default:
            return std::nullopt;
    }
}

}  // namespace sorvak
