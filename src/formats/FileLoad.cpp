#include "formats/FileLoad.h"

#include "formats/AdifReader.h"
#include "formats/FileCheckType.h"
#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"

namespace sorvak {

std::optional<FileKind> FileLoad(CSorvakDoc& doc, Ui& ui, const std::string& path, LoadMode mode) {
    WaitCursor wait(ui);
    if (mode == LoadMode::Load && !doc.empty()) {
        Answer answer = ui.ask(Message{"既存データは失われます。続けますか?", Buttons::YesNoCancel,
                                       Icon::Exclamation, Answer::No});
        if (answer != Answer::Yes) {
            return std::nullopt;
        }
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
    FileKind kind = FileCheckType(source, ui);
    source.rewind();
    // A file no reader reads leaves the log the user had as it was: its
    // QSOs, its title (which Save writes to) and its modified flag.
    const FileFormat& format = fileFormat(kind);
    if (format.reader == nullptr) {
        if (kind != KIND_UNKNOWN) {
            ui.tell(kUnreadableFormat + path);
        }
        return kind;
    }
    // An ADIF file is read before the log is touched: one that gives no QSO
    // is refused and leaves the log as it was.
    std::optional<AdifLog> adif;
    if (kind == KIND_ADI || kind == KIND_ADX) {
        adif = readAdifFile(source, ui);
        if (adif->records.empty()) {
            ui.tell(kAdifNothingToLoad);
            return KIND_UNKNOWN;
        }
    }
    if (mode == LoadMode::Load) {
        doc.clear();
        doc.setTitle(path);
    }
    LoadContext context(doc, source, mode, ui);
    if (adif) {
        addAdifLog(context, *adif);
    } else {
        format.reader(context);
    }
    doc.setModified(mode != LoadMode::Load);
    return kind;
}

}  // namespace sorvak
