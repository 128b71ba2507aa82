// The log check of a 100,000-QSO log, beside the load of the same log and
// the reading of the master call list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "formats/BinaryLog.h"
#include "commands/FileLoad.h"
#include "model/CSorvakDoc.h"
#include "platform/AtomicFile.h"
#include "reports/LogCheck.h"
#include "reports/LogCheckText.h"
#include "reports/MasterCallList.h"
#include "testsupport/ScriptedUi.h"

namespace {

using namespace sorvak;

constexpr size_t kQsos = 100000;

constexpr size_t kStations = 40000;

// The call of station n: Japanese calls of every area, one in ten a DX call,
// one in twenty portable.
std::string callOf(size_t n) {
    static const char* const prefixes[] = {"JA", "JE", "JF", "JH", "JR", "7K", "8J",
                                           "W",  "DL", "VK", "PY", "ZS", "UA", "VE"};
    std::string call = prefixes[n % 10 == 0 ? 7 + n / 10 % 7 : n % 7];
    call += static_cast<char>('0' + n / 7 % 10);
    for (size_t rest = n / 70, k = 0; k < 3; ++k, rest /= 26)
        call += static_cast<char>('A' + rest % 26);
    if (n % 20 == 1)
        call += "/1";
    return call;
}

// A 48-hour contest in time order on six bands from two transmitters that
// change band now and then, with 40,000 stations worked about two and a half
// times each, each station sending its own number (one in a thousand
// mistyped).
std::string writeCheckLog() {
    std::mt19937 random(11);
    std::vector<int32_t> times(kQsos);
    for (int32_t& time : times)
        time = 1795000000 + static_cast<int32_t>(random() % (48 * 3600));
    std::sort(times.begin(), times.end());
    CSorvakDoc doc;
    int bands[2] = {1, 4};  // where each transmitter is
    for (size_t i = 0; i < kQsos; ++i) {
        QsoValues v;
        v.time = times[i];
        size_t station = random() % kStations;
        v.callSign = callOf(station);
        v.srst = 599;
        v.sent = "10H";
        v.rrst = 599;
        size_t number = station % 50 + (random() % 1000 == 0);
        v.rcvd = std::to_string(number) + "H";
        v.txNumber = static_cast<int>(random() % 2);
        int& band = bands[static_cast<size_t>(v.txNumber)];
        if (random() % 40 == 0)
            band = static_cast<int>(random() % 6);
        v.band = band;
        v.mode = static_cast<int>(random() % 2);
        v.power = 3;
        v.points = 1;
        doc.add(std::make_unique<QsoRecord>(std::move(v)));
    }
    std::string path = "/tmp/sorvak-check-bench.qgb";
    replaceFileContents(path, writeBinaryLog(doc));
    return path;
}

const std::string& checkLogPath() {
    static const std::string path = writeCheckLog();
    return path;
}

void loadInto(CSorvakDoc& doc) {
    ScriptedUi ui;
    FileLoad(doc, ui, checkLogPath(), LoadMode::Load);
}

LogCheckSettings checkSettings(const CSorvakDoc& doc) {
    LogCheckSettings settings;
    settings.start = doc.at(0).time() + 3600;  // the first hour's QSOs are early
    settings.end = doc.at(doc.count() - 1).time();
    settings.maxHours = 40;
    return settings;
}

void BM_LoadCheckLog(benchmark::State& state) {
    for (auto _ : state) {
        CSorvakDoc doc;
        loadInto(doc);
        benchmark::DoNotOptimize(doc.count());
    }
}
BENCHMARK(BM_LoadCheckLog)->Unit(benchmark::kMillisecond);

void BM_ReadMasterCalls(benchmark::State& state) {
    for (auto _ : state) {
        std::optional<MasterCallList> calls = MasterCallList::read(kInstalledMasterCalls);
        benchmark::DoNotOptimize(calls ? calls->size() : 0);
    }
}
BENCHMARK(BM_ReadMasterCalls)->Unit(benchmark::kMillisecond);

// With the master call list read once, as the front ends do.
void BM_CheckLog(benchmark::State& state) {
    CSorvakDoc doc;
    loadInto(doc);
    LogCheckSettings settings = checkSettings(doc);
    std::optional<MasterCallList> calls = MasterCallList::read(kInstalledMasterCalls);
    for (auto _ : state) {
        LogCheckResult result = checkLog(doc.qsoList(), settings, calls ? &*calls : nullptr);
        state.counters["findings"] = static_cast<double>(result.findings.size());
    }
}
BENCHMARK(BM_CheckLog)->Unit(benchmark::kMillisecond);

// The text file of the findings.
void BM_CheckText(benchmark::State& state) {
    CSorvakDoc doc;
    loadInto(doc);
    std::optional<MasterCallList> calls = MasterCallList::read(kInstalledMasterCalls);
    LogCheckResult result = checkLog(doc.qsoList(), checkSettings(doc), calls ? &*calls : nullptr);
    for (auto _ : state) {
        std::string text = logCheckText(result, checkLogPath());
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(BM_CheckText)->Unit(benchmark::kMillisecond);

}  // namespace
