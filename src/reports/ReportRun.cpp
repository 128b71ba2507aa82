#include "reports/ReportRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <filesystem>

#include "platform/AtomicFile.h"
#include "platform/Cp932.h"
#include "platform/TextFormat.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

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

void ReportRun::write(std::string_view utf8) {
    if (isAscii(utf8)) {
        text.append(utf8);
    } else {
        text += utf8ToCp932(utf8);
    }
}

void ReportRun::writeBytes(std::string_view cp932) {
    text.append(cp932);
}

void ReportRun::print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    write(vformatText(format, args));
    va_end(args);
}

void ReportRun::spaces(int n) {
    if (n > 0) {
        text.append(static_cast<size_t>(n), ' ');
    }
}

bool openReportFile(ReportRun& run, std::string_view extension) {
    run.path = run.baseName + std::string(extension);
    run.text.clear();
    if (exists(run.path)) {
        Answer answer =
            run.ui.ask(Message{"すでに " + run.path + " が存在します。\n上書きしていいですか？",
                               Buttons::YesNo, Icon::Exclamation, Answer::Yes});
        if (answer != Answer::Yes) {
            run.declined = true;
            return false;
        }
    }
    if (!canCreate(run.path)) {
        run.ui.tell("書きこみファイルをオープンできません。");
        return false;
    }
    return true;
}

bool closeReportFile(ReportRun& run) {
    run.text += '\n';
    bool written = replaceFileContents(run.path, withCrLf(run.text));
    run.text.clear();
    if (!written) {
        run.ui.tell("書きこみファイルが異常です。");
        run.ui.tell(run.path);
        return false;
    }
    return true;
}

}  // namespace sorvak
