// The log check over whatever a log file loads as, with settings and a
// master call list taken from the input, and the text of its findings.
#include <algorithm>
#include <cstdint>

#include "FuzzSupport.h"
#include "commands/FileLoad.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"
#include "reports/LogCheck.h"
#include "reports/LogCheckText.h"
#include "reports/MasterCallList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sorvak;
    const std::string path = "fuzz.txt";
    fuzz::AgreeingUi ui;
    CSorvakDoc doc;
    LogSource source = LogSource::fromBytes(std::string(fuzz::textOf(data, size)), path);
    FileLoad(doc, ui, source, LoadMode::Load);
    auto byte = [&](size_t i) { return i < size ? data[i] : uint8_t{0}; };
    LogCheckSettings settings;
    // A period around the first QSO, each side set or open.
    auto near = [&](int64_t offset) {
        int64_t time = int64_t{doc.at(0).time()} + offset;
        return static_cast<int32_t>(std::clamp<int64_t>(time, 0, INT32_MAX));
    };
    if (!doc.empty()) {
        settings.start = byte(0) & 1 ? near(byte(1) * 60) : kNoTime;
        settings.end = byte(0) & 2 ? near(byte(2) * 600) : kNoTime;
    }
    settings.offTimeMinutes = byte(3) % 90;
    settings.breakCounting = byte(4) & 1 ? BreakCounting::EmptyMinutes : BreakCounting::Gap;
    settings.maxHours = byte(5) % 4;
    settings.dupeRule = static_cast<DupeRule>(byte(6) % 3);
    settings.utcFlag = byte(7) & 1;
    settings.now = byte(7) & 2 ? 1800000000 : kNoTime;
    MasterCallList calls(std::string_view(reinterpret_cast<const char*>(data), size));
    LogCheckResult result = checkLog(doc.qsoList(), settings, byte(8) & 1 ? &calls : nullptr);
    logCheckText(result, path);
    return 0;
}
