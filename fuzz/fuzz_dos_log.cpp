// The DOS text log reader over any file: what it read is written as a DOS
// text log and read back.
#include "ReaderFuzz.h"
#include "formats/DosLog.h"
#include "formats/Readers.h"

namespace {

using namespace sorvak;

// The line holds a QSO whose call sign leaves a blank before the sent report
// (at most 10 bytes), whose numbers fit their three columns (a TX number two),
// whose multiplier fits its six, whose band and mode are in the vocabulary,
// whose operator name has neither '%' nor "TX#", at most the 31 bytes the reader takes and
// leaves the TX number its column, and whose memo holds no "TX#", does not
// begin with "%%" and is short enough for the line to be read whole.
bool holds(const CSorvakDoc&, const QsoRecord& qso) {
    const std::string& op = qso.operatorName();
    size_t modePush = qso.modeText().size() > 3 ? qso.modeText().size() - 3 : 0;
    return qso.callSign().size() <= 10 && fuzz::fitsColumns(qso.srst(), 3) &&
           fuzz::fitsColumns(qso.rrst(), 3) && fuzz::fitsColumns(qso.points(), 3) &&
           qso.txNumber() >= 0 && fuzz::fitsColumns(qso.txNumber(), 2) &&
           (qso.newMulti() != 1 || qso.multi().size() <= 6) && fuzz::hasBandAndModeTexts(qso) &&
           op.find('%') == std::string::npos && op.find("TX#") == std::string::npos &&
           op.size() <= 31 &&
           (qso.txNumber() == 0 || op.empty() || op.size() + 5 + modePush <= 20) &&
           qso.memo().find("TX#") == std::string::npos && !qso.memo().starts_with("%%") &&
           qso.memo().size() <= 100;
}

// The file has no second multiplier.
void keepHeld(QsoValues& qso) {
    qso.multi2.clear();
    qso.newMulti2 = 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::fuzzReader(
        data, size,
        {.reader = readDosLog, .writer = writeDosLog, .holds = holds, .keepHeld = keepHeld});
}
