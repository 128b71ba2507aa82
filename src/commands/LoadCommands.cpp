#include "commands/LoadCommands.h"

#include <cstdio>

#include "commands/FileLoad.h"
#include "commands/LogFolder.h"
#include "commands/SortCommands.h"
#include "formats/BinaryLog.h"
#include "formats/FileKind.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

std::optional<std::string> askLogFile(const CSorvakDoc& doc, Ui& ui, const std::string& title,
                                      std::string filter) {
    return ui.openFileName(FileDialog{title, std::move(filter), "", "", false, logFolder(doc)});
}

void loadChosenFile(CSorvakDoc& doc, Ui& ui, const std::string& title, std::string filter,
                    LoadMode mode) {
    if (auto path = askLogFile(doc, ui, title, std::move(filter))) {
        FileLoad(doc, ui, *path, mode);
        doc.updateAllViews();
    }
}

}  // namespace

void OnFileNew(CSorvakDoc& doc, Ui& ui) {
    if (!doc.empty()) {
        Answer answer = ui.ask(Message{"既存データは失われます。続けますか?", Buttons::YesNoCancel,
                                       Icon::Exclamation, Answer::No});
        if (answer != Answer::Yes) {
            return;
        }
    }
    doc.clear();
    doc.setTitle(kAppTitle);
    doc.updateAllViews();
}

void OnFileOpen(CSorvakDoc& doc, Ui& ui) {
    loadChosenFile(doc, ui, "ファイルのロード", logOpenFilter(), LoadMode::Load);
}

void OnFileAppend(CSorvakDoc& doc, Ui& ui) {
    loadChosenFile(doc, ui, "ファイルのアペンド", logOpenFilter(), LoadMode::Append);
}

void OnImportCcc(CSorvakDoc& doc, Ui& ui) {
    loadChosenFile(doc, ui, "CCC TXT Fileの読み込み",
                   "CCC File (*.TXT)|*.TXT|すべてのファイル (*.*)|*.*||", LoadMode::Load);
}

void OnImportCabrillo(CSorvakDoc& doc, Ui& ui) {
    loadChosenFile(doc, ui, "キャブリロフォーマットファイルの読み込み",
                   "キャブリロフォーマットファイル (*.CBR)|*.CBR|すべてのファイル (*.*)|*.*||",
                   LoadMode::Load);
}

void OnImportN1mm(CSorvakDoc& doc, Ui& ui) {
    loadChosenFile(doc, ui, "N1MM Logger Generic Log Fileの読み込み",
                   "N1MM File (*.TXT)|*.TXT|すべてのファイル (*.*)|*.*||", LoadMode::Load);
}

void OnImportAdif(CSorvakDoc& doc, Ui& ui) {
    // The pattern takes both letter cases; the label shows the usual lower-case names.
    loadChosenFile(doc, ui, "ADIFﾌｧｲﾙの読み込み",
                   "ADIFﾌｧｲﾙ (*.adi;*.adx)|*.adi;*.adx;*.ADI;*.ADX|すべてのファイル (*.*)|*.*||",
                   LoadMode::Load);
}

namespace {

// Asks the merge's sort question and sorts; false when the user cancelled.
bool prepareMerge(CSorvakDoc& doc, Ui& ui) {
    if (doc.count() > 1) {
        if (!ui.confirm("前処理のためデータをソートします。\nよろしいですか?")) {
            return false;
        }
        sortQsos(doc, ui, SORT_CALLSIGN | CMP_BYTES);
        sortQsos(doc, ui, SORT_TIME);
    }
    return true;
}

std::optional<LoadResult> mergePrepared(CSorvakDoc& doc, Ui& ui, const std::string& path,
                                        size_t countBefore) {
    auto result = FileLoad(doc, ui, path, LoadMode::Merge);
    doc.updateAllViews();
    if (countBefore > 1) {
        sortQsos(doc, ui, SORT_TIME);
    }
    if (result && !result->taken) {
        return result;  // nothing was read: the refusal stands for the count
    }
    char text[128];
    std::snprintf(text, sizeof text, "%d個のQSOデータをマージしました。",
                  static_cast<int>(doc.count() - countBefore));
    ui.tell(text);
    return result;
}

}  // namespace

std::optional<LoadResult> mergeFile(CSorvakDoc& doc, Ui& ui, const std::string& path) {
    size_t countBefore = doc.count();
    if (!prepareMerge(doc, ui)) {
        return std::nullopt;
    }
    return mergePrepared(doc, ui, path, countBefore);
}

void OnFileMerge(CSorvakDoc& doc, Ui& ui) {
    size_t countBefore = doc.count();
    if (!prepareMerge(doc, ui)) {
        return;
    }
    if (auto path = askLogFile(doc, ui, "ファイルのマージﾞ", logOpenFilter())) {
        mergePrepared(doc, ui, *path, countBefore);
    }
}

void OnImportContestData(CSorvakDoc& doc, Ui& ui) {
    auto path =
        askLogFile(doc, ui, "コンテストデータのインポート", kindFilterEntry(KIND_QGB) + "|");
    if (!path) {
        return;
    }
    LogSource source(*path);
    if (!source.isOpen()) {
        if (source.isUnreadable()) {
            ui.tell(kUnreadableFile + *path);
        }
        return;
    }
    RawRecord header{};
    // A file too short to hold a header record has no contest data to give.
    if (source.read(header.data(), header.size()) < header.size() || isServerHeader(header)) {
        ui.tell("このファイルのコンテストデータは使えません。");
        return;
    }
    applyHeaderRecord(doc, header);
    doc.rawHeader() = header;
}

void OnDropFiles(CSorvakDoc& doc, Ui& ui, const std::vector<std::string>& paths) {
    if (paths.size() > 1) {
        ui.tell("複数ファイルは読み込めません。");
        return;
    }
    if (paths.size() == 1) {
        FileLoad(doc, ui, paths.front(), LoadMode::Load);
        doc.updateAllViews();
    }
}

}  // namespace sorvak
