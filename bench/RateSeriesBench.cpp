// The rate chart's series of a 100,000-QSO log (copy, time sort and tally),
// redrawn after every change while the chart is open, beside the time sort
// of the list alone.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "commands/SortCommands.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "reports/RateSeries.h"
#include "testsupport/ScriptedUi.h"

namespace {

using namespace sorvak;

void fillShuffled(CSorvakDoc& doc, size_t count) {
    std::mt19937 random(3);
    for (size_t i = 0; i < count; ++i) {
        QsoValues v;
        v.time = 1795000000 + static_cast<int32_t>(random() % (48 * 3600));
        v.callSign = "JA1ABC";
        v.band = static_cast<int>(random() % 6);
        v.mode = static_cast<int>(random() % 2);
        v.points = 1;
        doc.add(std::make_unique<QsoRecord>(std::move(v)));
    }
}

void BM_RateSeries(benchmark::State& state) {
    CSorvakDoc doc;
    fillShuffled(doc, 100000);
    for (auto _ : state) {
        RateSeries series = rateSeriesOf(doc.qsoList(), true);
        benchmark::DoNotOptimize(series.cumulative.data());
    }
}
BENCHMARK(BM_RateSeries)->Unit(benchmark::kMillisecond);

void BM_TimeSortOfTheList(benchmark::State& state) {
    CSorvakDoc original;
    fillShuffled(original, 100000);
    for (auto _ : state) {
        state.PauseTiming();
        CSorvakDoc doc;
        for (const auto& q : original.qsoList()) {
            doc.add(std::make_unique<QsoRecord>(*q));
        }
        ScriptedUi ui;
        state.ResumeTiming();
        sortQsos(doc, ui, SORT_TIME);
    }
}
BENCHMARK(BM_TimeSortOfTheList)->Unit(benchmark::kMillisecond);

}  // namespace
