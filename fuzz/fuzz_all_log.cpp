// The Windows text log reader over any file: what it read is written as a
// Windows text log and read back.
#include "ReaderFuzz.h"
#include "formats/AllLog.h"
#include "formats/Readers.h"

namespace {

using namespace sorvak;

// The line holds a QSO whose numbers fit their three columns, whose band and mode are in the
// vocabulary, whose operator name has neither '%' nor "TX#" and at most the 31 bytes the reader
// takes, and whose memo can be told from what stands before it: it holds no "TX#", does not begin
// with
// "%%", nor with a digit right after a number of three digits, and is short
// enough for the line to be read whole.
bool holds(const CSorvakDoc&, const QsoRecord& qso) {
    const std::string& memo = qso.memo();
    const std::string& op = qso.operatorName();
    // The number the memo follows, when it follows one directly.
    int before = qso.txNumber() > 0 ? qso.txNumber() : op.empty() ? qso.points() : 0;
    bool digitJoins =
        !memo.empty() && memo[0] >= '0' && memo[0] <= '9' && std::to_string(before).size() == 3;
    return fuzz::fitsColumns(qso.srst(), 3) && fuzz::fitsColumns(qso.rrst(), 3) &&
           fuzz::fitsColumns(qso.points(), 3) && qso.txNumber() >= 0 &&
           fuzz::fitsColumns(qso.txNumber(), 3) && fuzz::hasBandAndModeTexts(qso) &&
           op.find('%') == std::string::npos && op.find("TX#") == std::string::npos &&
           op.size() <= 31 && memo.find("TX#") == std::string::npos && !memo.starts_with("%%") &&
           !digitJoins && memo.size() <= 100;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::fuzzReader(data, size,
                            {.reader = readAllLog, .writer = writeAllLog, .holds = holds});
}
