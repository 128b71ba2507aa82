#pragma once

#include <optional>
#include <string>

#include "platform/ClockTime.h"

namespace sorvak {

// A file's last-modification time broken down in the computer's local time.
std::optional<ClockParts> fileModificationTime(const std::string& path);

}  // namespace sorvak
