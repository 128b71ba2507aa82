#include "StartUp.h"

#include <filesystem>
#include <fstream>

#include "RecentFiles.h"
#include "commands/FileLoad.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

bool openable(const std::string& path) {
    std::error_code error;
    return !std::filesystem::is_directory(path, error) &&
           std::ifstream(path, std::ios::binary).is_open();
}

}  // namespace

bool checkCommandLineFile(const CommandLineInfo& info, Ui& ui) {
    if (!info.fileName || openable(*info.fileName)) {
        return true;
    }
    ui.tell("ファイル「" + *info.fileName + "」を開けません。");
    return false;
}

void loadCommandLineFile(const CommandLineInfo& info, CSorvakDoc& doc, Ui& ui,
                         QSettings& settings) {
    if (!info.fileName) {
        return;
    }
    // The title and the protected path name the file itself, whatever the
    // current directory.
    std::error_code error;
    std::string path = std::filesystem::absolute(*info.fileName, error).string();
    if (error) {
        path = *info.fileName;
    }
    addRecentFile(settings, QString::fromStdString(path));
    FileLoad(doc, ui, path, LoadMode::Load);
    doc.updateAllViews();
    if (info.readOnly) {
        doc.setReadOnlyPath(path);
    }
}

}  // namespace sorvak
