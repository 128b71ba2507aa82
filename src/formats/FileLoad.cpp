#include "formats/FileLoad.h"

#include "formats/AdifReader.h"
#include "formats/BinaryLog.h"
#include "formats/FileCheckType.h"
#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "formats/Readers.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

using Reader = void (*)(LoadContext&);

Reader readerOf(FileKind kind) {
    switch (kind) {
        case KIND_QGB:
            return readBinaryLog;
        case KIND_ALL:
            return readAllLog;
        case KIND_DOS_TXT:
            return readDosLog;
        case KIND_CABRILLO:
            return readCabrillo;
        case KIND_N1MM:
            return readN1mmLog;
        case KIND_CCC:
            return readCccLog;
        default:
            return nullptr;
    }
}

}  // namespace

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
        return std::nullopt;
    }
    FileKind kind = FileCheckType(source, ui);
    source.rewind();
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
        doc.setTitle(kind != KIND_UNKNOWN ? path : kAppTitle);
    }
    LoadContext context(doc, source, mode, ui);
    if (adif) {
        addAdifLog(context, *adif);
    } else if (Reader reader = readerOf(kind)) {
        reader(context);
    }
    doc.setModified(mode != LoadMode::Load);
    return kind;
}

}  // namespace sorvak
