// The analysis with every report and the check lists on a 100,000-QSO log,
// beside the load of the same log.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "commands/AnalysisCommands.h"
#include "commands/CheckListCommands.h"
#include "commands/FileLoad.h"
#include "formats/BinaryLog.h"
#include "model/CSorvakDoc.h"
#include "platform/FileBytes.h"
#include "reports/CtyDatConverter.h"
#include "reports/MultiplierList.h"
#include "testsupport/ScriptedUi.h"

namespace {

using namespace sorvak;

constexpr size_t kQsos = 100000;

// Japanese calls of every area and a tenth of DX calls over a 48-hour
// contest, on six bands, a tenth of them new multipliers of the ALL JA list,
// four operators.
std::string writeReportLog() {
    std::mt19937 random(7);
    static const char* const prefixes[] = {"JA", "JE", "JF", "JH", "JR", "7K", "8J"};
    static const char* const dx[] = {"W", "DL", "VK", "PY", "ZS", "KH6", "UA9", "VP8"};
    static const char* const operators[] = {"JA1AAA", "JA1BBB", "JR1WXX", ""};
    const MultiplierList allJa = builtInMultiplierList();
    const auto& multipliers = allJa.names();
    CSorvakDoc doc;
    for (size_t i = 0; i < kQsos; ++i) {
        QsoValues v;
        v.time = 1795000000 + static_cast<int32_t>(random() % (48 * 3600));
        v.callSign = random() % 10 == 0 ? dx[random() % 8] : prefixes[random() % 7];
        v.callSign += std::to_string(random() % 10);
        for (int k = 0; k < 3; ++k)
            v.callSign += static_cast<char>('A' + random() % 26);
        if (random() % 20 == 0) {
            v.callSign += '/';
            v.callSign += static_cast<char>('0' + random() % 10);
        }
        v.band = static_cast<int>(random() % 6);
        v.mode = static_cast<int>(random() % 2);
        v.power = 3;
        v.points = 1 + static_cast<int>(random() % 3);
        v.newMulti = random() % 10 == 0;
        v.multi = v.newMulti ? multipliers[random() % multipliers.size()] : "";
        v.operatorName = operators[random() % 4];
        doc.add(std::make_unique<QsoRecord>(std::move(v)));
    }
    std::string path = "/tmp/sorvak-report-bench.qgb";
    std::string bytes = writeBinaryLog(doc);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

const std::string& reportLog() {
    static const std::string path = writeReportLog();
    return path;
}

void loadInto(CSorvakDoc& doc) {
    ScriptedUi ui;
    FileLoad(doc, ui, reportLog(), LoadMode::Load);
}

// The reports are written into a folder of their own.
struct OutputFolder {
    std::string path = (std::filesystem::temp_directory_path() / "sorvak-report-bench").string();
    OutputFolder() { std::filesystem::create_directories(path); }
    ~OutputFolder() { std::filesystem::remove_all(path); }
};

void BM_LoadReportLog(benchmark::State& state) {
    for (auto _ : state) {
        CSorvakDoc doc;
        loadInto(doc);
        benchmark::DoNotOptimize(doc.count());
    }
}
BENCHMARK(BM_LoadReportLog)->Unit(benchmark::kMillisecond);

// The country file made from the installed country list, in the output folder.
std::string writeCountryFile(const OutputFolder& output) {
    auto ctyDat = readFileBytes(kInstalledCtyDat);
    std::string path = output.path + "/CQWW.DAT";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::string bytes = ctyDat ? convertCtyDat(*ctyDat).bytes : "";
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

// Sort question, sort, tally and all eight reports.
void BM_AnalyseWithEveryReport(benchmark::State& state) {
    OutputFolder output;
    std::string countryFile = writeCountryFile(output);
    CSorvakDoc loaded;
    loadInto(loaded);
    ReportSettings settings = loaded.reportSettings();
    settings.outQAF = settings.outQAA = settings.outQAG = settings.outQAM = 1;
    settings.outQAQ = settings.outQAD = settings.outQCN = settings.outQOP = 1;
    for (auto _ : state) {
        state.PauseTiming();
        CSorvakDoc doc;
        for (const auto& q : loaded.qsoList())
            doc.add(std::make_unique<QsoRecord>(*q));
        doc.setTitle(reportLog());
        doc.setReportSettings(settings);
        ScriptedUi ui;
        state.ResumeTiming();
        writeAnalysis(doc, ui, countryFile, output.path);
        benchmark::DoNotOptimize(ui.events.size());
    }
}
BENCHMARK(BM_AnalyseWithEveryReport)->Unit(benchmark::kMillisecond);

void BM_CheckLists(benchmark::State& state) {
    OutputFolder output;
    CSorvakDoc doc;
    loadInto(doc);
    for (auto _ : state) {
        ScriptedUi ui;
        writeCheckListFiles(doc, ui, output.path);
        benchmark::DoNotOptimize(ui.events.size());
    }
}
BENCHMARK(BM_CheckLists)->Unit(benchmark::kMillisecond);

}  // namespace
