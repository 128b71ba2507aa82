#pragma once

#include <optional>
#include <string>

namespace sorvak {

// A file's last-modification time broken down in the computer's local time.
struct LocalFileTime {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

std::optional<LocalFileTime> fileModificationTime(const std::string& path);

}  // namespace sorvak
