// The Cabrillo reader over any file: the QSOs it read that a Cabrillo file
// holds whole are written as Cabrillo and read back.
#include "ReaderFuzz.h"
#include "formats/CabrilloQsoLine.h"
#include "formats/CabrilloWriter.h"
#include "formats/LogSource.h"
#include "formats/Readers.h"

namespace {

using namespace sorvak;

// The own call, as the header dialog would have it.
void readyForExport(CSorvakDoc& doc) {
    doc.cabrilloHeader().callSign = "JA1ZZZ";
}

// A QSO line holds the time to the minute, the band, the mode, the call, both
// reports and exchanges and the transmitter number.
void keepHeld(QsoValues& qso) {
    qso.multi.clear();
    qso.multi2.clear();
    qso.newMulti = qso.newMulti2 = 0;
    qso.operatorName.clear();
    qso.memo.clear();
}

// The QSO's line as the writer writes it, without its line end.
std::string lineOf(const QsoRecord& qso) {
    static CSorvakDoc one;
    readyForExport(one);
    one.mutableQsoList().clear();
    one.add(std::make_unique<QsoRecord>(qso));
    std::string file = writeCabrillo(one);
    size_t start = file.find("QSO: ");
    return file.substr(start, file.find("\r\n", start) - start);
}

// A line holds a QSO with every field the export asks for (it warns about
// the others), as long as the reader takes the line whole. Exchanges of
// several words are told from the call sign and the reports between them
// only by the shapes of those: a QSO with such an exchange is held when its
// line alone reads back, and the file must then read back as well.
bool holds(const CSorvakDoc&, const QsoRecord& qso) {
    if (qso.time() < 0 || qso.callSign().empty() || qso.sent().empty() || qso.rcvd().empty() ||
        !fuzz::hasBandAndModeTexts(qso)) {
        return false;
    }
    std::string line = lineOf(qso);
    if (line.size() + 2 > LogSource::kMaxLine) {
        return false;
    }
    if (qso.sent().find(' ') == std::string::npos && qso.rcvd().find(' ') == std::string::npos) {
        return true;
    }
    std::optional<CabrilloQso> read = cabrilloQsoOf(line, true);
    if (!read) {
        return false;
    }
    QsoValues before = qso.values();
    QsoValues after = QsoRecord(read->parts).values();
    keepHeld(before);
    keepHeld(after);
    return fuzz::sameValues(before, after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::fuzzReader(data, size,
                            {.reader = readCabrillo,
                             .writer = writeCabrillo,
                             .holds = holds,
                             .keepHeld = keepHeld,
                             .beforeWriting = readyForExport});
}
