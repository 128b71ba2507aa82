#include "commands/ReportFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/AtomicFile.h"
#include "platform/TextFormat.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

// True when a new file can be put at `path`: its folder takes new files and
// an existing target is a regular file we may write.
bool canCreate(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0) {
        return false;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(info.st_mode) && ::access(path.c_str(), W_OK) == 0;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

std::string reportBaseName(const std::string& title) {
    std::string name = title.substr(title.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

ReportFile::ReportFile(const std::string& folder, std::string fileName)
    : name(std::move(fileName)), path(folder.empty() ? name : folder + "/" + name) {}

bool openReportFile(Ui& ui, ReportFile& file) {
    if (exists(file.path)) {
        Answer answer =
            ui.ask(Message{"すでに " + file.name + " が存在します。\n上書きしていいですか？",
                           Buttons::YesNo, Icon::Exclamation, Answer::Yes});
        if (answer != Answer::Yes) {
            file.declined = true;
            return false;
        }
    }
    if (!canCreate(file.path)) {
        ui.tell("書きこみファイルをオープンできません。");
        return false;
    }
    return true;
}

bool closeReportFile(Ui& ui, const ReportFile& file, std::string text) {
    text += '\n';
    if (!replaceFileContents(file.path, withCrLf(text))) {
        ui.tell("書きこみファイルが異常です。");
        ui.tell(file.name);
        return false;
    }
    return true;
}

}  // namespace sorvak
