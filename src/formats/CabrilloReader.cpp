#include <memory>
#include <utility>
#include <vector>

#include "formats/CabrilloQsoLine.h"
#include "formats/CabrilloWriter.h"
#include "formats/ForeignLog.h"
#include "formats/LoadContext.h"
#include "formats/Readers.h"
#include "formats/ScanLine.h"

namespace sorvak {

// The QSOs are handed over once the whole file is read: whether the
// exchanges begin with reports is the log's to say, not one line's.
void readCabrillo(LoadContext& context) {
    ForeignLoadNotes notes;
    std::vector<std::unique_ptr<QsoRecord>> records;
    std::vector<std::pair<size_t, ReportFields>> reported;
    bool everyExchangeHasReports = true;
    bool writtenHere = false;
    std::string raw;
    for (int lineNumber = 1; context.source.readLine(raw); ++lineNumber) {
        std::string line = cText(raw);
        applyContestLine(context.doc, line);
        writtenHere = writtenHere || line == "CREATED-BY: " + std::string(kCabrilloProgram);
        if (!line.starts_with("QSO: ")) {
            continue;
        }
        std::optional<CabrilloQso> qso = cabrilloQsoOf(line, writtenHere);
        if (!qso) {
            notes.unreadLine(lineNumber);
            continue;
        }
        if (qso->reports) {
            reported.emplace_back(records.size(), std::move(*qso->reports));
        } else if (qso->byFields) {
            everyExchangeHasReports = false;
        }
        records.push_back(std::make_unique<QsoRecord>(qso->parts));
    }
    if (!everyExchangeHasReports) {
        for (const auto& [index, reports] : reported) {
            keepReportsInExchanges(*records[index], reports);
        }
    }
    for (auto& record : records) {
        notes.add(context, std::move(record));
    }
    notes.finish(context);
}

}  // namespace sorvak
