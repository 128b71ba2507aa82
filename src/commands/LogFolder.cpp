#include "commands/LogFolder.h"

#include "model/CSorvakDoc.h"

namespace sorvak {

std::string logFolder(const CSorvakDoc& doc) {
    const std::string& title = doc.title();
    size_t slash = title.rfind('/');
    if (slash == std::string::npos) {
        // A name without a folder was given relative to the current folder.
        return title == kAppTitle ? "" : ".";
    }
    return slash == 0 ? "/" : title.substr(0, slash);
}

}  // namespace sorvak
