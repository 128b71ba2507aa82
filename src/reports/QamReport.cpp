#include <string>

#include "model/QsoRecord.h"
#include "reports/AnalysisTally.h"
#include "reports/MultiplierList.h"
#include "reports/MultiplierReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportRun.h"

namespace sorvak {
namespace {

// A line of items never reaches this column.
constexpr size_t kLineEnd = 80;
constexpr size_t kIndent = 5;

// A section lists either the QSOs with `newMulti` set and their `multi`, or
// those with `newMulti2` set and their `multi2`.
enum class Section { First, Second };

bool listed(const QsoRecord& qso, Section section) {
    return (section == Section::First ? qso.newMulti() : qso.newMulti2()) != 0;
}

const std::string& itemOf(const QsoRecord& qso, Section section) {
    return section == Section::First ? qso.multi() : qso.multi2();
}

// The bands that have a QSO with a new multiplier; a section lists a band
// when it has one of its own items too, so that no listed item goes missing.
std::vector<int> sectionBands(const ReportRun& run, Section section) {
    BandCounts firsts{};
    BandCounts own{};
    for (const auto& qso : run.qsoList) {
        int b = bandIndexOf(*qso);
        if (b == 0) {
            continue;
        }
        firsts[static_cast<size_t>(b)] += qso->newMulti() != 0;
        own[static_cast<size_t>(b)] += listed(*qso, section);
    }
    std::vector<int> bands;
    for (int b = 1; b < kBandIndexCount; ++b) {
        if (firsts[static_cast<size_t>(b)] != 0 || own[static_cast<size_t>(b)] != 0) {
            bands.push_back(b);
        }
    }
    return bands;
}

void writeBand(ReportRun& run, int band, Section section) {
    run.write("\n");
    run.write(bandTitle(band));
    int lastHour = -1;
    size_t column = 0;
    bool first = true;
    for (const auto& qso : run.qsoList) {
        if (bandIndexOf(*qso) != band || !listed(*qso, section)) {
            continue;
        }
        int hour = qso->hour();
        if (first || hour != lastHour) {
            run.print("\n [%02d]", hour);
            column = kIndent;
            first = false;
            lastHour = hour;
        }
        const std::string& item = itemOf(*qso, section);
        if (column + item.size() + 1 >= kLineEnd) {
            run.write("\n");
            run.spaces(static_cast<int>(kIndent));
            column = kIndent;
        }
        run.write(" ");
        run.writeBytes(item);
        column += item.size() + 1;
    }
    run.write("\n");
}

void writeSection(ReportRun& run, Section section) {
    for (int band : sectionBands(run, section)) {
        writeBand(run, band, section);
    }
}

}  // namespace

void writeQam(ReportRun& run) {
    bool zones = zoneCount(run.multipliers->type()) > 0;
    run.write("＜時間ごとの取得マルチプライヤー＞\n");
    writeSection(run, zones ? Section::Second : Section::First);
    if (zones) {
        run.write("\n\n＜時間ごとの取得ゾーン＞\n");
        writeSection(run, Section::First);
    }
}

}  // namespace sorvak
