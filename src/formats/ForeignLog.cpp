#include "formats/ForeignLog.h"

#include <string_view>

#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"
#include "platform/TextFormat.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

constexpr std::string_view kCallSignLine = "CALLSIGN: ";
constexpr std::string_view kContestLine = "CONTEST: ";

}  // namespace

void applyContestLine(CSorvakDoc& doc, const std::string& line) {
    if (line.starts_with(kCallSignLine)) {
        doc.contest().stationCall = line.substr(kCallSignLine.size());
    } else if (line.starts_with(kContestLine)) {
        doc.contest().contestName = line.substr(kContestLine.size());
    }
}

std::string modeTextOfField(const std::string& field) {
    if (field == "CW" || field == "FM") {
        return field;
    }
    if (field == "PH") {
        return "SSB";
    }
    if (field == "RY") {
        return "RTTY";
    }
    return "Other";
}

std::string bandOfFrequency(std::span<const FrequencyStep> steps, const char* otherwise,
                            double frequency) {
    for (const FrequencyStep& step : steps) {
        if (frequency < step.below) {
            return step.band;
        }
    }
    return otherwise;
}

void tellBandsUnset(Ui& ui, int count) {
    if (count > 0) {
        ui.tell(formatText("ﾊﾞﾝﾄﾞが不明なQSOが%d件あります。\nﾊﾞﾝﾄﾞは空欄にしました。", count));
    }
}

void ForeignLoadNotes::add(LoadContext& context, std::unique_ptr<QsoRecord> record) {
    ++read_;
    if (record->band() < 0) {
        ++bandsUnset_;
    }
    context.add(std::move(record));
}

void ForeignLoadNotes::unreadLine(int lineNumber) {
    if (unread_++ == 0) {
        firstUnread_ = lineNumber;
    }
}

void ForeignLoadNotes::finish(LoadContext& context) const {
    ContestInfo& contest = context.doc.contest();
    if (context.mode == LoadMode::Load) {
        contest.utcFlag = 1;
    }
    if (context.source.failed()) {
        return;  // the load is refused, and the user told why
    }
    if (unread_ > 0) {
        context.ui.tell(
            formatText("読み込めないQSO行が%d行あります。最初は%d行目です。\n"
                       "これらの行は読み込みませんでした。",
                       unread_, firstUnread_));
    }
    tellBandsUnset(context.ui, bandsUnset_);
    if (read_ > 0 && contest.utcFlag == 0) {
        context.ui.tell("このﾌｧｲﾙの時刻はUTCです。\nJSTのﾛｸﾞに時刻をそのまま追加しました。");
    }
}

}  // namespace sorvak
