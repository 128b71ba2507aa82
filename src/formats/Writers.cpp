#include "formats/Writers.h"

#include "formats/AllLog.h"
#include "formats/BinaryLog.h"
#include "formats/CabrilloWriter.h"
#include "formats/DosLog.h"
#include "formats/HamlogCsvWriter.h"
#include "formats/JarlLogWriter.h"
#include "formats/LogTaroCsvWriter.h"
#include "formats/SupercheckWriter.h"

namespace sorvak {

std::optional<std::string> writeLogFile(const CSorvakDoc& doc, FileKind kind) {
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
        case KIND_JARL:
            return writeJarlLog(doc);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> writeRefusal(const CSorvakDoc& doc, FileKind kind) {
    return kind == KIND_JARL ? jarlLogRefusal(doc) : std::nullopt;
}

}  // namespace sorvak
