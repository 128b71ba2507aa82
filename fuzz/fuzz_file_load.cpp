// Detection and the load dispatcher over any file, in every load mode: a
// file not taken leaves the log as it was, and merging a file into the log
// it was loaded from adds nothing.
#include "FuzzSupport.h"
#include "ReaderFuzz.h"
#include "commands/FileLoad.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"

namespace {

using namespace sorvak;

// What a load that is not taken must leave as it was.
struct LogState {
    explicit LogState(const CSorvakDoc& doc) : contest(doc.contest()) {
        for (const auto& qso : doc.qsoList()) {
            qsos.push_back(qso->values());
        }
    }
    bool operator==(const LogState& other) const {
        return contest.stationCall == other.contest.stationCall &&
               contest.contestName == other.contest.contestName &&
               contest.utcFlag == other.contest.utcFlag && qsos.size() == other.qsos.size() &&
               std::equal(qsos.begin(), qsos.end(), other.qsos.begin(), fuzz::sameValues);
    }

    ContestInfo contest;
    std::vector<QsoValues> qsos;
};

std::optional<LoadResult> load(CSorvakDoc& doc, std::string_view input, const char* name,
                               LoadMode mode) {
    fuzz::AgreeingUi ui;
    LogSource source = LogSource::fromBytes(std::string(input), name);
    return FileLoad(doc, ui, source, mode);
}

void expectUntouched(const char* what, const LogState& before, const CSorvakDoc& doc) {
    if (!(LogState(doc) == before)) {
        fuzz::propertyFailed(what, std::to_string(before.qsos.size()) + " QSOs",
                             std::to_string(doc.count()) + " QSOs");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = fuzz::textOf(data, size);
    // The name decides one detection rule, so alternate it with the input's first byte.
    const char* name = size > 0 && (data[0] & 1) ? "fuzz.qgb" : "fuzz.txt";
    CSorvakDoc doc;
    auto loaded = load(doc, input, name, LoadMode::Load);
    LogState before(doc);
    auto merged = load(doc, input, name, LoadMode::Merge);
    if (merged && (!merged->taken || (loaded && loaded->taken))) {
        expectUntouched(merged->taken ? "merging a loaded file again adds nothing"
                                      : "a merge not taken leaves the log",
                        before, doc);
    }
    LogState beforeAppend(doc);
    auto appended = load(doc, input, name, LoadMode::Append);
    if (appended && !appended->taken) {
        expectUntouched("an append not taken leaves the log", beforeAppend, doc);
    }
    return 0;
}
