#include "LogFolder.h"

#include <filesystem>
#include <system_error>

#include "model/CSorvakDoc.h"

namespace sorvak {

void enterLogFolder(const std::string& title) {
    if (title.empty() || title == kAppTitle) {
        return;
    }
    std::error_code error;
    std::filesystem::path folder = std::filesystem::absolute(title, error).parent_path();
    if (!error && std::filesystem::is_directory(folder, error)) {
        std::filesystem::current_path(folder, error);
    }
}

}  // namespace sorvak
