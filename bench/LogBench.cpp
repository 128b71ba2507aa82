// Loading, sorting and merging logs of contest size and beyond.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "commands/FileLoad.h"
#include "commands/SortCommands.h"
#include "formats/AdifWriter.h"
#include "formats/BinaryLog.h"
#include "formats/CabrilloWriter.h"
#include "formats/LoadContext.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "testsupport/ScriptedUi.h"

namespace {

using namespace sorvak;

std::string letters(std::mt19937& random, int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s += static_cast<char>('A' + random() % 26);
    return s;
}

// A log of `count` QSOs with realistic call signs over a 48-hour contest.
void fillLog(CSorvakDoc& doc, size_t count, unsigned seed) {
    std::mt19937 random(seed);
    static const char* const prefixes[] = {"JA", "JE", "JF", "JH", "JR", "7K", "8J"};
    for (size_t i = 0; i < count; ++i) {
        QsoValues v;
        v.time = 1795000000 + static_cast<int32_t>(random() % (48 * 3600));
        v.callSign = prefixes[random() % 7] + std::to_string(random() % 10) +
                     letters(random, 2 + static_cast<int>(random() % 2));
        v.srst = 599;
        v.sent = "10H";
        v.rcvd = std::to_string(10 + random() % 40) + "M";
        v.band = static_cast<int>(random() % 6);
        v.mode = static_cast<int>(random() % 2);
        v.power = static_cast<int>(random() % 4);
        v.points = 1;
        v.operatorName = random() % 2 ? "JH1QQQ" : "JR1WWW";
        if (random() % 10 == 0)
            v.memo = "QSB";
        doc.add(std::make_unique<QsoRecord>(std::move(v)));
    }
}

// Writes a log of `count` QSOs as a binary log, or as a Cabrillo or ADIF file of `kind`.
std::string writeTempLog(size_t count, unsigned seed, FileKind kind = KIND_QGB) {
    CSorvakDoc doc;
    fillLog(doc, count, seed);
    std::string path = "/tmp/sorvak-bench-" + std::to_string(count) + "-" + std::to_string(seed) +
                       "." + fileKindExtension(kind);
    AdifExportReport report;
    doc.cabrilloHeader().callSign = "JA1ZZZ";
    std::string bytes = kind == KIND_ADI        ? writeAdi(doc, report)
                        : kind == KIND_ADX      ? writeAdx(doc, report)
                        : kind == KIND_CABRILLO ? writeCabrillo(doc)
                                                : writeBinaryLog(doc);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

void BM_Load(benchmark::State& state, FileKind kind) {
    std::string path = writeTempLog(static_cast<size_t>(state.range(0)), 1, kind);
    for (auto _ : state) {
        CSorvakDoc doc;
        ScriptedUi ui;
        FileLoad(doc, ui, path, LoadMode::Load);
        benchmark::DoNotOptimize(doc.count());
    }
    std::remove(path.c_str());
}
BENCHMARK_CAPTURE(BM_Load, binaryLog, KIND_QGB)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, adi, KIND_ADI)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, adx, KIND_ADX)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, cabrillo, KIND_CABRILLO)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SortBy(benchmark::State& state, unsigned flags) {
    CSorvakDoc original;
    fillLog(original, 100000, 2);
    for (auto _ : state) {
        state.PauseTiming();
        CSorvakDoc doc;
        for (const auto& q : original.qsoList())
            doc.add(std::make_unique<QsoRecord>(*q));
        ScriptedUi ui;
        state.ResumeTiming();
        sortQsos(doc, ui, flags);
    }
}
BENCHMARK_CAPTURE(BM_SortBy, time, SORT_TIME)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, callAscii, SORT_CALLSIGN | CMP_BYTES)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, callJeJf, SORT_CALLSIGN)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, callJhJr, SORT_CALLSIGN | CMP_JA_JH_JR)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, band, SORT_BAND)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, mode, SORT_MODE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, power, SORT_POWER)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, txNumber, SORT_TXNUMBER)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, points, SORT_POINTS)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, operatorName, SORT_OPERATOR)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, memo, SORT_MEMO)->Unit(benchmark::kMillisecond);

// Merging 50,000 QSOs, half of them already present, into 50,000.
void BM_Merge(benchmark::State& state) {
    CSorvakDoc existing;
    fillLog(existing, 50000, 3);
    CSorvakDoc incoming;
    fillLog(incoming, 25000, 3);  // the same first 25,000
    fillLog(incoming, 25000, 4);
    bool reference = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        CSorvakDoc doc;
        for (const auto& q : existing.qsoList())
            doc.add(std::make_unique<QsoRecord>(*q));
        state.ResumeTiming();
        if (reference) {
            // The plain walk of the whole list for every record.
            for (const auto& q : incoming.qsoList()) {
                if (doc.isUnique(*q))
                    doc.add(std::make_unique<QsoRecord>(*q));
            }
        } else {
            ScriptedUi ui;
            LogSource none(nullptr, "");
            LoadContext context(doc, none, LoadMode::Merge, ui);
            for (const auto& q : incoming.qsoList())
                context.add(std::make_unique<QsoRecord>(*q));
        }
        state.counters["added"] = static_cast<double>(doc.count() - existing.count());
    }
}
BENCHMARK(BM_Merge)->Arg(0)->ArgName("referenceWalk")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Merge)->Arg(1)->ArgName("referenceWalk")->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
