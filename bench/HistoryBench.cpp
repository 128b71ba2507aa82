// Undo and redo on a 100,000-QSO log: the time to record a step and to undo
// it, beside the copy of the log's values the history keeps, and the memory
// of 20 steps.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "model/CSorvakDoc.h"
#include "model/LogHistory.h"

namespace {

using namespace sorvak;

constexpr size_t kQsos = 100000;

void fillLog(CSorvakDoc& doc) {
    std::mt19937 random(5);
    for (size_t i = 0; i < kQsos; ++i) {
        QsoValues v;
        v.time = 1795000000 + static_cast<int32_t>(random() % (48 * 3600));
        v.callSign = "JA" + std::to_string(random() % 10) + static_cast<char>('A' + random() % 26) +
                     static_cast<char>('A' + random() % 26);
        v.srst = v.rrst = 599;
        v.sent = "10H";
        v.rcvd = std::to_string(10 + random() % 40) + "M";
        v.multi = v.rcvd.substr(0, 2);
        v.band = static_cast<int>(random() % 6);
        v.mode = static_cast<int>(random() % 2);
        v.power = 3;
        v.points = 1;
        v.operatorName = "JA1ZZZ";
        doc.add(std::make_unique<QsoRecord>(std::move(v)));
    }
}

// The same log as a baseline: copying every row's values once.
void BM_CopyLogValues(benchmark::State& state) {
    CSorvakDoc doc;
    fillLog(doc);
    for (auto _ : state) {
        benchmark::DoNotOptimize(LogSnapshot::of(doc));
    }
}
BENCHMARK(BM_CopyLogValues)->Unit(benchmark::kMillisecond);

// A command, recorded as a step, then undone; the next command drops the
// undone step.
template <typename Change>
void stepAndUndo(benchmark::State& state, Change change) {
    CSorvakDoc doc;
    fillLog(doc);
    LogHistory history;
    history.reset(doc);
    size_t bytes = 0;
    for (auto _ : state) {
        change(doc);
        history.record(doc, "step");
        bytes = history.bytes();
        history.undo(doc);
    }
    state.counters["history_MB"] = static_cast<double>(bytes) / (1 << 20);
}

void BM_StepBulkChangeOfFiveRows(benchmark::State& state) {
    int points = 0;
    stepAndUndo(state, [&](CSorvakDoc& doc) {
        ++points;
        for (size_t row = 100; row < 105; ++row) {
            doc.at(row).setPoints(points % 100);
        }
    });
}
BENCHMARK(BM_StepBulkChangeOfFiveRows)->Unit(benchmark::kMillisecond);

void BM_StepSentNumberOfEveryRow(benchmark::State& state) {
    int n = 0;
    stepAndUndo(state, [&](CSorvakDoc& doc) {
        std::string sent = std::to_string(++n) + "H";
        for (auto& q : doc.mutableQsoList()) {
            q->setSent(sent);
        }
    });
}
BENCHMARK(BM_StepSentNumberOfEveryRow)->Unit(benchmark::kMillisecond);

void BM_StepSortByCall(benchmark::State& state) {
    stepAndUndo(state, [&](CSorvakDoc& doc) {
        auto& list = doc.mutableQsoList();
        std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
            return a->callSign() < b->callSign();
        });
    });
}
BENCHMARK(BM_StepSortByCall)->Unit(benchmark::kMillisecond);

void BM_StepDeleteHalf(benchmark::State& state) {
    stepAndUndo(state, [](CSorvakDoc& doc) {
        std::vector<size_t> rows;
        for (size_t row = 0; row < doc.count(); row += 2) {
            rows.push_back(row);
        }
        doc.removeRows(rows);
    });
}
BENCHMARK(BM_StepDeleteHalf)->Unit(benchmark::kMillisecond);

// Twenty steps of each kind in turn, and the memory the history then holds.
void BM_TwentySteps(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CSorvakDoc doc;
        fillLog(doc);
        LogHistory history;
        history.reset(doc);
        state.ResumeTiming();
        for (int step = 0; step < 20; ++step) {
            switch (step % 4) {
                case 0:
                    doc.at(static_cast<size_t>(step)).setPoints(step);
                    break;
                case 1:
                    for (auto& q : doc.mutableQsoList()) {
                        q->setSent(std::to_string(step));
                    }
                    break;
                case 2:
                    std::reverse(doc.mutableQsoList().begin(), doc.mutableQsoList().end());
                    break;
                default:
                    doc.removeRows({0, 1, 2, 3, 4});
                    break;
            }
            history.record(doc, "step");
        }
        bytes = history.bytes();
    }
    state.counters["history_MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_TwentySteps)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
