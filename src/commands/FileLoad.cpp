#include "commands/FileLoad.h"

#include <algorithm>

#include "formats/AdifReader.h"
#include "formats/FileCheckType.h"
#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"
#include "platform/TextFormat.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

// Runs the reader of the kind; false when what it gave is no log (the user
// was told why) or the file could not be read to its end.
bool readFile(LoadContext& context, FileKind kind, const std::string& path) {
    if (kind == KIND_ADI || kind == KIND_ADX) {
        AdifLog adif = readAdifFile(context.source, context.ui);
        if (context.source.failed()) {
            return false;
        }
        if (adif.records.empty()) {
            context.ui.tell(kAdifNothingToLoad);
            return false;
        }
        addAdifLog(context, adif);
        return true;
    }
    fileFormat(kind).reader(context);
    // A binary log of its header record alone is a log without QSOs; a
    // text file that gave none (a cut header, lines that never end in a
    // line feed) is not a log.
    if (!context.source.failed() && context.offered() == 0 && kind != KIND_QGB) {
        context.ui.tell(kNothingToLoad + path);
        return false;
    }
    return true;
}

// Moves what was read into the log: in place of it (load) or after it.
void take(CSorvakDoc& doc, CSorvakDoc& read, const std::string& path, FileKind kind,
          LoadMode mode) {
    if (mode == LoadMode::Load) {
        doc.clear();
        doc.setTitle(path, kind);
    }
    doc.contest() = read.contest();
    doc.rawHeader() = read.rawHeader();
    doc.mutableQsoList().reserve(doc.count() + read.count());
    for (auto& record : read.mutableQsoList()) {
        doc.add(std::move(record));
    }
}

// A load replaces the log only once the user agreed.
bool mayReplace(const CSorvakDoc& doc, Ui& ui, LoadMode mode) {
    if (mode != LoadMode::Load || doc.empty()) {
        return true;
    }
    Answer answer = ui.ask(Message{"既存データは失われます。続けますか?", Buttons::YesNoCancel,
                                   Icon::Exclamation, Answer::No});
    return answer == Answer::Yes;
}

LoadResult loadFrom(CSorvakDoc& doc, Ui& ui, LogSource& source, LoadMode mode) {
    const std::string& path = source.path();
    FileKind kind = FileCheckType(source, ui);
    source.rewind();
    if (!source.failed() && !hasReader(kind)) {
        if (kind != KIND_UNKNOWN) {
            ui.tell(kUnreadableFormat + path);
        }
        return LoadResult{kind, false};
    }
    // The file is read into a document of its own and becomes the log only
    // once all of it was read, so a refused file leaves the log untouched.
    CSorvakDoc read;
    if (mode != LoadMode::Load) {
        read.contest() = doc.contest();
        read.rawHeader() = doc.rawHeader();
    }
    LoadContext context(read, source, mode, ui, &doc);
    bool isLog = !source.failed() && readFile(context, kind, path);
    if (source.failed()) {
        ui.tell(kUnreadableFile + path);
        return LoadResult{kind, false};
    }
    if (!isLog) {
        return LoadResult{kind, false};
    }
    auto withoutTime = std::count_if(read.qsoList().begin(), read.qsoList().end(),
                                     [](const auto& q) { return q->time() < 0; });
    take(doc, read, path, kind, mode);
    if (withoutTime > 0) {
        ui.tell(formatText("日時が不明なQSOが%d件あります。\n日時は空欄にしました。",
                           static_cast<int>(withoutTime)));
    }
    doc.setModified(mode != LoadMode::Load);
    return LoadResult{kind, true};
}

}  // namespace

std::optional<LoadResult> FileLoad(CSorvakDoc& doc, Ui& ui, const std::string& path,
                                   LoadMode mode) {
    WaitCursor wait(ui);
    if (!mayReplace(doc, ui, mode)) {
        return std::nullopt;
    }
    LogSource source(path);
    if (!source.isOpen()) {
        // A name that does not exist passes silently; a file that is there
        // but cannot be read is named, so the user knows why nothing came.
        if (source.isUnreadable()) {
            ui.tell(kUnreadableFile + path);
        }
        return std::nullopt;
    }
    return loadFrom(doc, ui, source, mode);
}

std::optional<LoadResult> FileLoad(CSorvakDoc& doc, Ui& ui, LogSource& source, LoadMode mode) {
    WaitCursor wait(ui);
    if (!mayReplace(doc, ui, mode)) {
        return std::nullopt;
    }
    return loadFrom(doc, ui, source, mode);
}

}  // namespace sorvak
