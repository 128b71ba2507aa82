#include <algorithm>
#include <string>

#include "model/QsoRecord.h"
#include "reports/AnalysisTally.h"
#include "reports/MultiplierList.h"
#include "reports/MultiplierMarks.h"
#include "reports/MultiplierReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportFormat.h"
#include "reports/ReportRun.h"

namespace sorvak {
namespace {

// A line of names never reaches this column.
constexpr size_t kLineEnd = 80;
// Lists longer than this get no multiplier map.
constexpr size_t kLongestMappedList = 75;

std::vector<int> markedBands(const MultiplierMarks& marks) {
    std::vector<int> bands;
    for (int b = 1; b < kBandIndexCount; ++b) {
        if (marks.bandHasMultiplier(b)) {
            bands.push_back(b);
        }
    }
    return bands;
}

void writeNames(ReportRun& run, const MultiplierMarks& marks, const std::vector<int>& bands,
                bool worked) {
    const auto& names = marks.list().names();
    for (int band : bands) {
        run.write("\n");
        run.write(bandTitle(band));
        run.write("\n");
        size_t column = 0;
        for (size_t i = 0; i < names.size(); ++i) {
            if (marks.nameBands(i).test(static_cast<size_t>(band)) != worked) {
                continue;
            }
            if (column + names[i].size() + 1 >= kLineEnd) {
                run.write("\n");
                column = 0;
            }
            run.write(" ");
            run.writeBytes(names[i]);
            column += names[i].size() + 1;
        }
        run.write("\n");
    }
}

// A row of the maps: the band, then "*" or "." per column.
template <typename IsWorked>
void writeMapRows(ReportRun& run, const std::vector<int>& bands, size_t columns,
                  IsWorked isWorked) {
    for (int band : bands) {
        run.print("%4s", std::string(bandIndexText(band)).c_str());
        for (size_t column = 0; column < columns; ++column) {
            run.write(isWorked(column, band) ? "*" : ".");
        }
        run.write("\n");
    }
}

// The names stand upright, aligned on their last character in the last line.
void writeMultiplierMap(ReportRun& run, const MultiplierMarks& marks,
                        const std::vector<int>& bands) {
    const auto& names = marks.list().names();
    size_t longest = 0;
    for (const auto& name : names) {
        longest = std::max(longest, name.size());
    }
    run.write("\n＜マルチマップ＞\n\n");
    for (size_t row = 0; row < longest; ++row) {
        run.spaces(4);
        for (const auto& name : names) {
            size_t blanks = longest - name.size();
            run.text += row >= blanks ? name[row - blanks] : ' ';
        }
        run.write("\n");
    }
    writeMapRows(run, bands, names.size(), [&](size_t i, int band) {
        return marks.nameBands(i).test(static_cast<size_t>(band));
    });
    run.write("\n");
}

void writeZoneMap(ReportRun& run, const MultiplierMarks& marks, const std::vector<int>& bands) {
    int zones = zoneCount(marks.list().type());
    run.write("\n＜ゾーンマップ＞\n\n    ");
    for (int z = 1; z <= zones; ++z) {
        run.print("%d", z / 10);
    }
    run.write("\n    ");
    for (int z = 1; z <= zones; ++z) {
        run.print("%d", z % 10);
    }
    run.write("\n");
    writeMapRows(run, bands, static_cast<size_t>(zones), [&](size_t i, int band) {
        return marks.zoneBands(static_cast<int>(i) + 1).test(static_cast<size_t>(band));
    });
    run.write("\n");
}

}  // namespace

void writeQad(ReportRun& run) {
    const MultiplierMarks& marks = *run.marks;
    std::vector<int> bands = markedBands(marks);
    run.write("＜とれたマルチ＞\n");
    writeNames(run, marks, bands, true);
    run.write("\n＜とれなかったマルチ＞\n");
    writeNames(run, marks, bands, false);
    if (marks.list().size() <= kLongestMappedList) {
        writeMultiplierMap(run, marks, bands);
    }
    if (zoneCount(marks.list().type()) > 0) {
        writeZoneMap(run, marks, bands);
    }
}

}  // namespace sorvak
