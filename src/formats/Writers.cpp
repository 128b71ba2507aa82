#include "formats/Writers.h"

#include "formats/AdifWriter.h"
#include "formats/AllLog.h"
#include "formats/BinaryLog.h"
#include "formats/CabrilloWriter.h"
#include "formats/DosLog.h"
#include "formats/HamlogCsvWriter.h"
#include "formats/LogTaroCsvWriter.h"
#include "formats/SupercheckWriter.h"

namespace sorvak {

namespace {

std::string writeAdif(const CSorvakDoc& doc, FileKind kind, std::string* note) {
    AdifExportReport report;
    std::string bytes = kind == KIND_ADX ? writeAdx(doc, report) : writeAdi(doc, report);
    if (note != nullptr) {
        *note = adifLeftOutNote(report);
    }
    return bytes;
}

}  // namespace

std::optional<std::string> writeLogFile(const CSorvakDoc& doc, FileKind kind, std::string* note) {
    switch (kind) {
        case KIND_QGB:
            return writeBinaryLog(doc);
        case KIND_ALL:
            return writeAllLog(doc);
        case KIND_DOS_TXT:
            return writeDosLog(doc);
        case KIND_CABRILLO:
            return writeCabrillo(doc);
        case KIND_SUPERCHECK:
            return writeSupercheck(doc);
        case KIND_HAMLOG_OLD:
            return writeHamlogCsvOld(doc);
        case KIND_HAMLOG_445:
            return writeHamlogCsv445(doc);
        case KIND_HAMLOG_500:
            return writeHamlogCsv500(doc);
        case KIND_LOGTARO:
            return writeLogTaroCsv(doc);
        case KIND_ADI:
        case KIND_ADX:
            return writeAdif(doc, kind, note);
        default:
            return std::nullopt;
    }
}

}  // namespace sorvak
