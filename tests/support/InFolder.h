#pragma once

#include <filesystem>

namespace sorvak::test {

// Makes `folder` the current directory for as long as it lives.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(previous_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    std::filesystem::path previous_;
};

}  // namespace sorvak::test
