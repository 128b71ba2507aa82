#include "platform/FileTime.h"

#include <sys/stat.h>

#include "platform/LocalClock.h"

namespace sorvak {

std::optional<ClockParts> fileModificationTime(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return localClockParts(info.st_mtime);
}

}  // namespace sorvak
