#pragma once

#include <string>

namespace sorvak {

// The folder that holds the running program, without a trailing '/'.
std::string programDirectory();

}  // namespace sorvak
