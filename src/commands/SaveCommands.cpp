#include "commands/SaveCommands.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "commands/LogFolder.h"
#include "editing/CabrilloHeaderForm.h"
#include "editing/JarlLogForm.h"
#include "formats/CabrilloWriter.h"
#include "formats/Writers.h"
#include "model/CSorvakDoc.h"
#include "platform/AtomicFile.h"
#include "platform/LocalClock.h"
#include "platform/SameFile.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

constexpr const char* kNoData = "データがありません。";
constexpr const char* kReadOnly =
    "ﾘｰﾄﾞｵﾝﾘｰﾓｰﾄﾞで起動されています。\n別のﾌｧｲﾙ名でｾｰﾌﾞしてください。";

bool isReadOnlyFile(const CSorvakDoc& doc, const std::string& path) {
    return isSameFile(path, doc.readOnlyPath());
}

bool hasDot(const std::string& path) {
    return path.find('.') != std::string::npos;
}

// The path with everything from its last '.' removed.
std::string withoutExtension(const std::string& path) {
    return path.substr(0, path.rfind('.'));
}

// The name a save dialog proposes for `kind`: the title itself when its
// extension names that very format (so the file the log came from is the one
// written, whatever the case of its name), else the title with the
// format's extension in place of its own.
std::string proposedName(const CSorvakDoc& doc, FileKind kind) {
    if (kindNamedBy(doc.title()) == kind) {
        return doc.title();
    }
    return withoutExtension(doc.title()) + fileFormat(kind).nameSuffix + "." +
           fileKindExtension(kind);
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
    if (std::optional<std::string> caution = writeCaution(doc, kind)) {
        ui.tell(*caution);
    }
    std::string note;
    std::optional<std::string> bytes = writeLogFile(doc, kind, &note);
    if (!bytes || !replaceFileContents(path, *bytes)) {
        ui.tell("ﾌｧｲﾙに書き込めませんでした。\n" + path);
        return false;
    }
    if (!note.empty()) {
        ui.tell(note);
    }
    if (const char* modifiedNote = fileFormat(kind).modifiedNote;
        *modifiedNote != '\0' && doc.isModified()) {
        ui.tell(modifiedNote, Icon::Information);
    }
    return true;
}

std::optional<FileKind> savableKindOfTitle(const CSorvakDoc& doc) {
    if (doc.titleKind() == KIND_UNKNOWN) {
        return savableKindOfEnding(doc.title());
    }
    const FileFormat& format = fileFormat(doc.titleKind());
    return format.savable ? std::optional<FileKind>(format.kind) : std::nullopt;
}

bool exportLog(CSorvakDoc& doc, Ui& ui, FileKind kind) {
    if (!hasData(doc, ui) || !writable(doc, ui, kind)) {
        return false;
    }
    std::string label = fileKindLabel(kind);
    std::optional<std::string> path = ui.saveFileName(
        FileDialog{label + "のｾｰﾌﾞ", kindFilterEntry(kind) + "|", proposedName(doc, kind),
                   fileKindExtension(kind), true, logFolder(doc)});
    if (!path || !mayWrite(doc, ui, *path) || !writeLogTo(doc, ui, kind, *path)) {
        return false;
    }
    // Only the log's own file in its own format takes the edits: any other
    // export cannot give the log back, so the close still asks.
    std::error_code error;
    if (kind == savableKindOfTitle(doc) && std::filesystem::equivalent(*path, doc.title(), error)) {
        doc.setModified(false);
    }
    return true;
}

void OnFileSave(CSorvakDoc& doc, Ui& ui) {
    if (!hasData(doc, ui) || !mayWrite(doc, ui, doc.title())) {
        return;
    }
    // A log from a file that no log writer makes (a Cabrillo or N1MM file,
    // say) is not written over that file: it is offered as a binary log,
    // which holds all of it.
    std::optional<FileKind> kind = savableKindOfTitle(doc);
    if (kind ? writeLogTo(doc, ui, *kind, doc.title()) : exportLog(doc, ui, KIND_QGB)) {
        doc.setModified(false);
    }
}

void OnFileSaveAs(CSorvakDoc& doc, Ui& ui) {
    if (!hasData(doc, ui)) {
        return;
    }
    std::optional<FileKind> current = savableKindOfTitle(doc);
    if (!current) {
        if (exportLog(doc, ui, KIND_QGB)) {
            doc.setModified(false);
        }
        return;
    }
    std::optional<std::string> path = ui.saveFileName(
        FileDialog{"ファイルを名前を付けて保存", saveAsFilter(), withoutExtension(doc.title()),
                   fileKindExtension(*current), true, logFolder(doc)});
    if (!path || !hasDot(*path) || !mayWrite(doc, ui, *path)) {
        return;
    }
    FileKind kind = savableKindOfEnding(*path).value_or(*current);
    if (writeLogTo(doc, ui, kind, *path)) {
        doc.setTitle(*path, kind);
        doc.setModified(false);
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
    if (answer == Answer::Cancel) {
        return false;
    }
    // Yes saves as Save does: a title that names no format Save writes (a
    // Cabrillo or N1MM file that was opened, say) is offered the binary
    // export. What was asked for goes on once the log is saved, and only then.
    if (!exportLog(doc, ui, savableKindOfTitle(doc).value_or(KIND_QGB))) {
        return false;
    }
    doc.setModified(false);
    return true;
}

bool acceptCabrilloHeader(const CabrilloHeader& header, int version, Ui& ui) {
    std::vector<std::string> tags = nonAsciiCabrilloTags(header, version);
    if (tags.empty()) {
        return true;
    }
    std::string names;
    for (const std::string& tag : tags) {
        names += (names.empty() ? "" : ", ") + tag + ":";
    }
    Message question{
        names +
            " にASCII以外の文字があります。\nｺﾝﾃｽﾄの受付で受け付けられないことがあります。"
            "\nこのまま書き出しますか?\n\"いいえ\"を選択した場合は、入力に戻ります。",
        Buttons::YesNo, Icon::Exclamation, Answer::No};
    return ui.ask(question) == Answer::Yes;
}

void OnExportCabrillo(CSorvakDoc& doc, Ui& ui) {
    CabrilloHeaderForm form = CabrilloHeaderForm::prefilledFrom(doc);
    do {
        if (!ui.runDialog(form)) {
            return;
        }
    } while (!acceptCabrilloHeader(form.header(), form.fileVersion(), ui));
    form.apply(doc);
    exportLog(doc, ui, KIND_CABRILLO);
}

void OnExportJarl(CSorvakDoc& doc, Ui& ui) {
    JarlLogForm form = JarlLogForm::prefilledFrom(doc, localClockNow());
    if (ui.runDialog(form)) {
        form.apply(doc);
        exportLog(doc, ui, KIND_JARL);
    }
}

}  // namespace sorvak
