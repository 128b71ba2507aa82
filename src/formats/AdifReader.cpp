#include "formats/AdifReader.h"

#include <limits>
#include <string>

#include "formats/AdifDetection.h"
#include "formats/AdifRecords.h"
#include "formats/ForeignLog.h"
#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "platform/Cp932.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

std::string readAll(LogSource& source) {
    std::string bytes;
    char buffer[65536];
    while (size_t got = source.read(buffer, sizeof buffer)) {
        bytes.append(buffer, got);
    }
    return bytes;
}

int32_t utcToJst(int32_t time) {
    if (time < 0 || time > std::numeric_limits<int32_t>::max() - kJstOffset) {
        return kNoTime;
    }
    return time + kJstOffset;
}

void tellNotes(Ui& ui, const AdifLog& log) {
    tellBandsUnset(ui, log.bandsUnset);
    if (log.charactersLost) {
        ui.tell("Shift-JISで表せない文字を?に置き換えました。");
    }
}

}  // namespace

AdifLog readAdifFile(LogSource& source, Ui& ui) {
    std::string bytes = readAll(source);
    if (isAdxText(bytes)) {
        AdifLogBuilder builder(true);
        readAdxRecords(bytes, builder, ui);
        return std::move(builder.log());
    }
    std::string_view text = withoutByteOrderMark(bytes);
    AdifLogBuilder builder(isValidUtf8(text));
    readAdiRecords(text, builder, ui);
    return std::move(builder.log());
}

void addAdifLog(LoadContext& context, AdifLog& log) {
    ContestInfo& contest = context.doc.contest();
    bool load = context.mode == LoadMode::Load;
    if (load) {
        contest.utcFlag = 1;
    }
    bool toJst = contest.utcFlag == 0;
    for (auto& record : log.records) {
        if (toJst) {
            record->setTime(utcToJst(record->time()));
        }
        context.add(std::move(record));
    }
    log.records.clear();
    if (!log.stationCall.empty() && (load || contest.stationCall.empty())) {
        contest.stationCall = log.stationCall;
    }
    if (!log.contestName.empty() && (load || contest.contestName.empty())) {
        contest.contestName = log.contestName;
    }
    tellNotes(context.ui, log);
}

void readAdif(LoadContext& context) {
    AdifLog log = readAdifFile(context.source, context.ui);
    if (log.records.empty()) {
        context.ui.tell(kAdifNothingToLoad);
        return;
    }
    addAdifLog(context, log);
}

}  // namespace sorvak
