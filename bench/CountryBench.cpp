// Reading the country file made from the installed country list and resolving
// a contest's worth of call signs against its 7,000-odd prefixes.
#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/FileBytes.h"
#include "reports/CountryFile.h"
#include "reports/CtyDatConverter.h"
#include "reports/ResolveCountry.h"

namespace {

using namespace sorvak;

// The converted installed country list; nothing when it is not installed.
const std::optional<std::string>& countryFileBytes() {
    static const std::optional<std::string> bytes = []() -> std::optional<std::string> {
        auto ctyDat = readFileBytes(kInstalledCtyDat);
        if (!ctyDat) {
            return std::nullopt;
        }
        return convertCtyDat(*ctyDat).bytes;
    }();
    return bytes;
}

// `count` call signs built on prefixes of the table, one in ten with a
// portable part.
std::vector<std::string> callSigns(const CountryTable& table, size_t count) {
    std::mt19937 random(7);
    std::vector<std::string> calls;
    calls.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const auto& entry = table.entries()[random() % table.entries().size()];
        std::string call = entry.prefix + std::to_string(random() % 10) +
                           static_cast<char>('A' + random() % 26) +
                           static_cast<char>('A' + random() % 26);
        if (i % 10 == 0) {
            call += random() % 2 ? "/P" : "/JA1ABC";
        }
        calls.push_back(std::move(call));
    }
    return calls;
}

// The longest match found by walking every entry: the reference the index
// must agree with and beat.
const CountryPrefixEntry* linearLookUp(const CountryTable& table, std::string_view call) {
    std::string_view part = prefixPartOf(call);
    const CountryPrefixEntry* best = nullptr;
    for (const auto& entry : table.entries()) {
        if (part.starts_with(entry.prefix) && (!best || entry.prefixLength > best->prefixLength)) {
            best = &entry;
        }
    }
    return best;
}

void BM_ReadCountryFile(benchmark::State& state) {
    if (!countryFileBytes()) {
        state.SkipWithError("no installed cty.dat");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(readCountryFile(*countryFileBytes()));
    }
}
BENCHMARK(BM_ReadCountryFile)->Unit(benchmark::kMillisecond);

void BM_Resolve100000Calls(benchmark::State& state) {
    if (!countryFileBytes()) {
        state.SkipWithError("no installed cty.dat");
        return;
    }
    CountryTable table = readCountryFile(*countryFileBytes()).table;
    std::vector<std::string> calls = callSigns(table, 100000);
    for (auto _ : state) {
        size_t resolved = 0;
        for (const auto& call : calls) {
            resolved += resolveCountry(table, call) != nullptr;
        }
        benchmark::DoNotOptimize(resolved);
    }
}
BENCHMARK(BM_Resolve100000Calls)->Unit(benchmark::kMillisecond);

// Baseline: 1,000 calls (a hundredth) by a walk over the whole table.
void BM_Resolve1000CallsByLinearScan(benchmark::State& state) {
    if (!countryFileBytes()) {
        state.SkipWithError("no installed cty.dat");
        return;
    }
    CountryTable table = readCountryFile(*countryFileBytes()).table;
    std::vector<std::string> calls = callSigns(table, 1000);
    for (const auto& call : calls) {
        if (linearLookUp(table, call) != resolveCountry(table, call)) {
            state.SkipWithError(("index and walk disagree on " + call).c_str());
            return;
        }
    }
    for (auto _ : state) {
        size_t resolved = 0;
        for (const auto& call : calls) {
            resolved += linearLookUp(table, call) != nullptr;
        }
        benchmark::DoNotOptimize(resolved);
    }
}
BENCHMARK(BM_Resolve1000CallsByLinearScan)->Unit(benchmark::kMillisecond);

}  // namespace
