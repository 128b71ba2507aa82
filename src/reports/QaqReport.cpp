#include "reports/AnalysisFlags.h"
#include "reports/RateReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportFormat.h"
#include "reports/ReportRun.h"

namespace sorvak {
namespace {

constexpr size_t kBlockHours = 24;

// How a block ends its lines: a chart of at most 24 hours has only a total
// column; a longer chart has a subtotal column, and its last block the total
// beside it.
enum class BlockEnd { Total, Subtotal, SubtotalAndTotal };

struct Block {
    std::vector<size_t> columns;  // indexes of the shown hours
    BlockEnd end = BlockEnd::Total;
    BandCounts base{};  // cumulative counts before the block
};

void writeSums(ReportRun& run, const Block& block, size_t b, int total) {
    const auto& hours = run.tally.hours;
    int sum = block.columns.empty() ? 0 : hours[block.columns.back()].cumCount[b] - block.base[b];
    switch (block.end) {
        case BlockEnd::Total:
            run.print("|%4d", total);
            break;
        case BlockEnd::SubtotalAndTotal:
            run.print("|%4d|%4d", sum, total);
            break;
        case BlockEnd::Subtotal:
            run.print("|%4d", sum);
            break;
    }
}

void writeRule(ReportRun& run, const Block& block) {
    run.write("----+");
    run.text.append(block.columns.size() * 3, '-');
    run.write(block.end == BlockEnd::SubtotalAndTotal ? "+----+----\n" : "+----\n");
}

// The running total line: the total so far under every third hour.
void writeRunningTotal(ReportRun& run, const Block& block, long long& runningTotal) {
    const auto& hours = run.tally.hours;
    run.write("\n累計|");
    for (size_t i = 0; i < block.columns.size(); ++i) {
        size_t index = block.columns[i];
        runningTotal += hours[index].count[0][0];
        if (i % 3 == 0) {
            run.write("   ");
        } else if (i % 3 == 1) {
            if (index + 1 == hours.size()) {
                run.write("   ");
            }
        } else {
            run.print("%6lld", runningTotal);
        }
    }
    run.write("|");
}

void writeBlock(ReportRun& run, const Block& block, const std::vector<int>& bands,
                long long& runningTotal) {
    const auto& hours = run.tally.hours;
    const HourTally& totals = run.tally.totals;
    switch (block.end) {
        case BlockEnd::Total:
            run.write("|合計\n");
            break;
        case BlockEnd::SubtotalAndTotal:
            run.write("|小計|合計\n");
            break;
        case BlockEnd::Subtotal:
            run.write("|小計\n");
            break;
    }
    writeRule(run, block);
    for (int band : bands) {
        auto b = static_cast<size_t>(band);
        run.print("%4s|", std::string(bandIndexText(band)).c_str());
        for (size_t index : block.columns) {
            int n = hours[index].count[b][0];
            if (n == 0) {
                run.write("  -");
            } else {
                run.print("%3d", n);
            }
        }
        writeSums(run, block, b, totals.count[b][0]);
        run.write("\n");
    }
    writeRule(run, block);
    run.write("合計|");
    for (size_t index : block.columns) {
        run.print("%3d", hours[index].count[0][0]);
    }
    writeSums(run, block, 0, totals.count[0][0]);
    if (run.has(ANALYSIS_CUMULATIVE)) {
        writeRunningTotal(run, block, runningTotal);
    }
    run.write("\n\n");
}

}  // namespace

void writeQaq(ReportRun& run) {
    const auto& hours = run.tally.hours;
    std::vector<int> bands = activeBands(run.tally);
    bool showAll = run.has(ANALYSIS_ZERO_HOURS);
    // Hours not yet placed in a block, less the hours skipped so far.
    long long remaining = run.tally.hourCount;
    long long runningTotal = 0;
    Block block;
    size_t next = 0;
    run.write("＜タイムチャート＞\n\n");
    while (next < hours.size()) {
        block.columns.clear();
        run.write("    |");
        for (; next < hours.size() && block.columns.size() < kBlockHours; ++next) {
            if (showAll || hours[next].count[0][0] != 0) {
                block.columns.push_back(next);
                run.print(" %02d", hours[next].hour);
            } else {
                --remaining;
            }
        }
        if (hours.size() <= kBlockHours) {
            block.end = BlockEnd::Total;
        } else if (remaining <= static_cast<long long>(kBlockHours)) {
            block.end = BlockEnd::SubtotalAndTotal;
        } else {
            block.end = BlockEnd::Subtotal;
        }
        writeBlock(run, block, bands, runningTotal);
        if (!block.columns.empty()) {
            block.base = hours[block.columns.back()].cumCount;
        }
        remaining -= static_cast<long long>(kBlockHours);
    }
}

}  // namespace sorvak
