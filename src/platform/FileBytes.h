#pragma once

#include <optional>
#include <string>

namespace sorvak {

// The whole content of the file at `path`; nothing when it cannot be opened
// or read.
std::optional<std::string> readFileBytes(const std::string& path);

}  // namespace sorvak
