#include "formats/SaveCommands.h"

#include <algorithm>
#include <optional>

#include "editing/CabrilloHeaderForm.h"
#include "editing/JarlLogForm.h"
#include "formats/Writers.h"
#include "model/CSorvakDoc.h"
#include "platform/AtomicFile.h"
#include "platform/LocalClock.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

constexpr const char* kNoData = "データがありません。";
constexpr const char* kReadOnly =
    "ﾘｰﾄﾞｵﾝﾘｰﾓｰﾄﾞで起動されています。\n別のﾌｧｲﾙ名でｾｰﾌﾞしてください。";
constexpr const char* kRecalculate =
    "保存されたログファイルは更新されています。\n整合のためにQuogで再計算する必要があります。";

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return upper(x) == upper(y); });
}

bool isReadOnlyFile(const CSorvakDoc& doc, const std::string& path) {
    return !doc.readOnlyPath().empty() && equalIgnoringCase(path, doc.readOnlyPath());
}

bool hasDot(const std::string& path) {
    return path.find('.') != std::string::npos;
}

// The log format named by the last three characters of a path, if any.
std::optional<FileKind> logKindOfEnding(const std::string& path) {
    if (!hasDot(path) || path.size() < 3) {
        return std::nullopt;
    }
    std::string ending = path.substr(path.size() - 3);
    for (FileKind kind : {KIND_QGB, KIND_ALL, KIND_DOS_TXT}) {
        if (equalIgnoringCase(ending, fileKindExtension(kind))) {
            return kind;
        }
    }
    return std::nullopt;
}

// The path with everything from its last '.' removed.
std::string withoutExtension(const std::string& path) {
    return path.substr(0, path.rfind('.'));
}

std::string kindFilterEntry(int kind) {
    std::string ext = fileKindExtension(kind);
    return std::string(fileKindLabel(kind)) + " (*." + ext + ")|*." + ext + "|";
}

std::string saveAsFilter() {
    std::string filter;
    for (int kind = KIND_UNKNOWN; kind <= KIND_DOS_TXT; ++kind) {
        filter += kindFilterEntry(kind);
    }
    return filter + "|";
}

// The checks every save makes first; false when it must not go on.
bool mayWrite(const CSorvakDoc& doc, Ui& ui, const std::string& path) {
    if (isReadOnlyFile(doc, path)) {
        ui.tell(kReadOnly);
        return false;
    }
    return true;
}

bool hasData(const CSorvakDoc& doc, Ui& ui) {
    if (doc.empty()) {
        ui.tell(kNoData);
        return false;
    }
    return true;
}

// A log the kind's writer refuses is told and not written.
bool writable(const CSorvakDoc& doc, Ui& ui, FileKind kind) {
    if (std::optional<std::string> refusal = writeRefusal(doc, kind)) {
        ui.tell(*refusal);
        return false;
    }
    return true;
}

}  // namespace

bool writeLogTo(CSorvakDoc& doc, Ui& ui, FileKind kind, const std::string& path) {
    if (!writable(doc, ui, kind)) {
        return false;
    }
    std::optional<std::string> bytes = writeLogFile(doc, kind);
    if (!bytes || !replaceFileContents(path, *bytes)) {
        ui.tell("ﾌｧｲﾙに書き込めませんでした。\n" + path);
        return false;
    }
    if (kind == KIND_QGB && doc.isModified()) {
        ui.tell(kRecalculate, Icon::Information);
    }
    doc.setModified(false);
    return true;
}

bool exportLog(CSorvakDoc& doc, Ui& ui, FileKind kind) {
    if (!hasData(doc, ui) || !writable(doc, ui, kind)) {
        return false;
    }
    std::string ext = fileKindExtension(kind);
    std::string label = fileKindLabel(kind);
    std::optional<std::string> path = ui.saveFileName(FileDialog{
        label + "のｾｰﾌﾞ", label + " (*." + ext + ")|*." + ext + "||",
        withoutExtension(doc.title()) + fileKindNameSuffix(kind) + "." + ext, ext, true});
    return path && mayWrite(doc, ui, *path) && writeLogTo(doc, ui, kind, *path);
}

void onFileSave(CSorvakDoc& doc, Ui& ui) {
    if (!hasData(doc, ui) || !mayWrite(doc, ui, doc.title())) {
        return;
    }
    // A log from a file that no log writer makes (a Cabrillo file, say) is
    // not written over that file: it is offered as a binary log instead.
    std::optional<FileKind> kind = logKindOfEnding(doc.title());
    if (!kind) {
        exportLog(doc, ui, KIND_QGB);
        return;
    }
    writeLogTo(doc, ui, *kind, doc.title());
}

void onFileSaveAs(CSorvakDoc& doc, Ui& ui) {
    if (!hasData(doc, ui)) {
        return;
    }
    std::optional<FileKind> current = logKindOfEnding(doc.title());
    if (!current) {
        exportLog(doc, ui, KIND_QGB);
        return;
    }
    std::optional<std::string> path = ui.saveFileName(
        FileDialog{"ファイルを名前を付けて保存", saveAsFilter(), withoutExtension(doc.title()),
                   fileKindExtension(*current), true});
    if (!path || !hasDot(*path) || !mayWrite(doc, ui, *path)) {
        return;
    }
    if (writeLogTo(doc, ui, logKindOfEnding(*path).value_or(*current), *path)) {
        doc.setTitle(*path);
    }
}

bool saveModified(CSorvakDoc& doc, Ui& ui) {
    if (!doc.isModified() || doc.empty()) {
        return true;
    }
    Answer answer = ui.ask(Message{doc.title() + " への変更を保存しますか?", Buttons::YesNoCancel,
                                   Icon::Exclamation, Answer::Yes});
    if (answer == Answer::No) {
        return true;
    }
    if (answer == Answer::Yes) {
        if (!hasDot(doc.title())) {
            exportLog(doc, ui, KIND_QGB);
        } else if (std::optional<FileKind> kind = logKindOfEnding(doc.title())) {
            exportLog(doc, ui, *kind);
        }
    }
    return false;
}

void onExportCabrillo(CSorvakDoc& doc, Ui& ui) {
    CabrilloHeaderForm form = CabrilloHeaderForm::prefilledFrom(doc);
    if (ui.runDialog(form)) {
        form.apply(doc);
        exportLog(doc, ui, KIND_CABRILLO);
    }
}

void onExportJarl(CSorvakDoc& doc, Ui& ui) {
    JarlLogForm form = JarlLogForm::prefilledFrom(doc, localNow());
    if (ui.runDialog(form)) {
        form.apply(doc);
        exportLog(doc, ui, KIND_JARL);
    }
}

}  // namespace sorvak
