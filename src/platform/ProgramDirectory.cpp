#include "platform/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace sorvak {

std::string programDirectory() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return ".";
    }
    return exe.parent_path().string();
}

}  // namespace sorvak
