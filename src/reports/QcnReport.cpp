#include <array>
#include <string>

#include "model/QsoRecord.h"
#include "model/Vocabulary.h"
#include "platform/Cp932.h"
#include "reports/AnalysisFlags.h"
#include "reports/AnalysisTally.h"
#include "reports/Continents.h"
#include "reports/CountReports.h"
#include "reports/CountryTable.h"
#include "reports/ReportCells.h"
#include "reports/ReportFormat.h"
#include "reports/ReportRun.h"
#include "reports/ResolveCountry.h"

namespace sorvak {
namespace {

// counts[k][b]: continent k (0 all, 1 to 7) by band index b.
using ContinentTable = std::array<BandCounts, kContinents.size() + 1>;

struct ContinentCounts {
    ContinentTable all{};
    ContinentTable cw{};
};

// Counts every QSO whose call resolves; notes each one that does not.
ContinentCounts countContinents(ReportRun& run, const CountryTable& table) {
    ContinentCounts counts;
    for (const auto& qso : run.qsoList) {
        const CountryPrefixEntry* country = resolveCountry(table, qso->callSign());
        if (country == nullptr) {
            run.notes.push_back("判別不能なコールサイン: " + cp932ToUtf8(qso->callSign()));
            continue;
        }
        bool cw = modeTextOf(qso->mode()) == "CW";
        auto b = static_cast<size_t>(bandIndexOf(*qso));
        auto k = static_cast<size_t>(continentIndex(country->continent));
        // The all-band cell, and the band's cell when the QSO has a band.
        auto add = [&](size_t row) {
            for (size_t column : {size_t{0}, b}) {
                counts.all[row][column] += 1;
                counts.cw[row][column] += cw;
                if (b == 0) {
                    break;
                }
            }
        };
        add(0);
        if (k != 0) {
            add(k);
        }
    }
    return counts;
}

void writeBandCells(ReportRun& run, const std::vector<int>& bands, const BandCounts& all,
                    const BandCounts& cw) {
    for (int band : bands) {
        auto b = static_cast<size_t>(band);
        writeDashCell(run, all[b], cw[b]);
    }
}

void writeTable(ReportRun& run, const ContinentCounts& counts) {
    std::vector<int> bands = activeBands(run.tally);
    bool subcounts = run.has(ANALYSIS_CW_SUBCOUNT);
    run.write("\n\n");
    run.spaces(16);
    for (int band : bands) {
        run.print("%4s", std::string(bandIndexText(band)).c_str());
        run.spaces(subcounts ? 5 : 2);
    }
    run.write("  ALL");
    run.spaces(subcounts ? 13 : 7);
    run.write("%\n\n");
    int total = counts.all[0][0];
    for (size_t k = 1; k <= kContinents.size(); ++k) {
        run.print("%-16s", std::string(kContinents[k - 1].name).c_str());
        writeBandCells(run, bands, counts.all[k], counts.cw[k]);
        run.write(formatCount(counts.all[k][0], 5));
        if (subcounts) {
            run.write(formatCwSubcount(counts.cw[k][0], 6));
        }
        // With nothing resolved every share is 0.
        run.print("%8.2f\n", total == 0 ? 0.0 : counts.all[k][0] * 100.0 / total);
    }
    run.write("\nTotal           ");
    writeBandCells(run, bands, counts.all[0], counts.cw[0]);
    run.write(formatCount(total, 5));
    if (run.tally.totals.cwCount[0][0] > 0 && subcounts) {
        run.print("(%d)", counts.cw[0][0]);
    }
}

}  // namespace

void writeQcn(ReportRun& run) {
    run.write("＜大陸別の交信局数＞");
    if (run.tally.totals.cwCount[0][0] != 0 && run.has(ANALYSIS_CW_SUBCOUNT)) {
        run.write("　（括弧内は電信の内数）\n");
    }
    writeTable(run, countContinents(run, *run.countries));
}

}  // namespace sorvak
