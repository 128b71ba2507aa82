#include "reports/CountryFileLocation.h"

#include <filesystem>
#include <system_error>

#include "platform/ProgramDirectory.h"

#ifndef SORVAK_INSTALL_PREFIX
#define SORVAK_INSTALL_PREFIX "/usr/local"
#endif

namespace sorvak {
namespace {

namespace fs = std::filesystem;

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

fs::path installedFile(const fs::path& prefix) {
    return prefix / "share" / "sorvak" / kCountryFileName;
}

}  // namespace

std::string countryFilePathFor(const std::string& programDir, const std::string& installPrefix) {
    fs::path beside = fs::path(programDir) / kCountryFileName;
    if (isFile(beside)) {
        return beside.string();
    }
    fs::path folder(programDir);
    if (folder.filename() == "bin") {
        fs::path relocated = installedFile(folder.parent_path());
        if (isFile(relocated)) {
            return relocated.string();
        }
    }
    if (!installPrefix.empty()) {
        fs::path installed = installedFile(installPrefix);
        if (isFile(installed)) {
            return installed.string();
        }
    }
    return beside.string();
}

std::string countryFilePath() {
    return countryFilePathFor(programDirectory(), SORVAK_INSTALL_PREFIX);
}

}  // namespace sorvak
