#include "formats/JarlLogWriter.h"

#include <cinttypes>
#include <limits>
#include <set>

#include "model/CSorvakDoc.h"
#include "model/Vocabulary.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

// How many seconds the log sheet's clock is ahead of the log's own: nine
// hours one way or the other when one is JST and the other UTC.
int32_t sheetShiftOf(const CSorvakDoc& doc) {
    bool logInUtc = doc.contest().utcFlag != 0;
    bool sheetInUtc = doc.jarlLogHeader().utcLogSheet;
    if (logInUtc == sheetInUtc) {
        return 0;
    }
    return sheetInUtc ? -kJstOffset : kJstOffset;
}

// The QSO's date and time on the log sheet's clock. Nothing for a QSO
// without a time, or one the shift would carry outside what the clock can
// count.
std::optional<ClockParts> sheetTimeOf(const QsoRecord& qso, int32_t shift) {
    if (qso.time() < 0) {
        return std::nullopt;
    }
    int64_t time = static_cast<int64_t>(qso.time()) + shift;
    if (time < 0 || time > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return breakDownClockTime(static_cast<int32_t>(time));
}

// The multiplier the line shows: the first multiplier when it is new, else
// the second when that is new, else "-".
const std::string& shownMultiplier(const QsoRecord& qso) {
    static const std::string none = "-";
    if (qso.newMulti() != 0) {
        return qso.multi();
    }
    if (qso.newMulti2() != 0) {
        return qso.multi2();
    }
    return none;
}

// A field the sponsor's reader splits at blanks must be one word. CP932
// trail bytes are never below 0x40, so a byte test finds only real blanks
// and control characters.
bool isOneWord(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

std::string notOneWord(size_t row, const char* column) {
    return formatText(
        "Line %zu の %s が空か、空白を含んでいます。\n修正してから書き出してください。", row + 1,
        column);
}

std::string notSet(size_t row, const char* column) {
    return formatText("Line %zu の %s が設定されていません。\n修正してから書き出してください。",
                      row + 1, column);
}

std::optional<std::string> refusalOf(const QsoRecord& qso, size_t row, int32_t shift) {
    if (!sheetTimeOf(qso, shift)) {
        return notSet(row, "Date");
    }
    if (bandTextOf(qso.band()).empty()) {
        return notSet(row, "Band");
    }
    if (modeTextOf(qso.mode()).empty()) {
        return notSet(row, "Mode");
    }
    if (!isOneWord(qso.callSign())) {
        return notOneWord(row, "CallSign");
    }
    if (qso.srst() <= 0) {
        return notSet(row, "SRST");
    }
    if (!isOneWord(qso.sent())) {
        return notOneWord(row, "Sent");
    }
    if (qso.rrst() <= 0) {
        return notSet(row, "RRST");
    }
    if (!isOneWord(qso.rcvd())) {
        return notOneWord(row, "Rcvd");
    }
    if (!isOneWord(shownMultiplier(qso))) {
        return notOneWord(row, qso.newMulti() != 0 ? "Multi" : "Multi2");
    }
    return std::nullopt;
}

// Each line of a value ends with CR LF; a stray CR of a typed line end is dropped.
void addTag(std::string& file, const char* tag, std::string value) {
    std::erase(value, '\r');
    file += formatText("<%s>%s</%s>\r\n", tag, withCrLf(value).c_str(), tag);
}

std::string summarySheet(const CSorvakDoc& doc, int64_t totalScore) {
    const JarlLogHeader& header = doc.jarlLogHeader();
    std::string file = "<SUMMARYSHEET VERSION=R2.1>\r\n";
    for (const JarlFieldInfo& info : jarlFields()) {
        if (info.field == JarlField::Category && header.checkLog) {
            addTag(file, info.tag, "CHECKLOG");
        } else {
            addTag(file, info.tag, header[info.field]);
        }
        if (info.field == JarlField::OpCallSign) {
            addTag(file, "TOTALSCORE", formatText("%" PRId64, totalScore));
        }
    }
    return file + "</SUMMARYSHEET>\r\n";
}

bool severalTransmitters(const CSorvakDoc& doc) {
    std::set<int> seen;
    for (const auto& qso : doc.qsoList()) {
        seen.insert(qso->txNumber());
        if (seen.size() > 1) {
            return true;
        }
    }
    return false;
}

std::string logLine(const QsoRecord& qso, const ClockParts& at, bool withTx) {
    std::string line =
        formatText("%04d-%02d-%02d %02d:%02d %s %s %s %d %s %d %s %s %d", at.year, at.month, at.day,
                   at.hour, at.minute, std::string(bandTextOf(qso.band())).c_str(),
                   std::string(modeTextOf(qso.mode())).c_str(), qso.callSign().c_str(), qso.srst(),
                   qso.sent().c_str(), qso.rrst(), qso.rcvd().c_str(), shownMultiplier(qso).c_str(),
                   qso.points());
    if (withTx) {
        line += formatText(" %d", qso.txNumber());
    }
    return line + "\r\n";
}

std::string logSheet(const CSorvakDoc& doc) {
    int32_t shift = sheetShiftOf(doc);
    bool withTx = severalTransmitters(doc);
    std::string file = formatText(
        "<LOGSHEET TYPE=SORVAK>\r\n"
        "DATE(%s) TIME BAND MODE CALLSIGN SENTNo RCVNo Multi PTS\r\n",
        doc.jarlLogHeader().utcLogSheet ? "UTC" : "JST");
    for (const auto& qso : doc.qsoList()) {
        file += logLine(*qso, *sheetTimeOf(*qso, shift), withTx);
    }
    return file + "</LOGSHEET>\r\n";
}

}  // namespace

std::optional<std::string> jarlLogRefusal(const CSorvakDoc& doc) {
    int32_t shift = sheetShiftOf(doc);
    for (size_t row = 0; row < doc.count(); ++row) {
        if (auto refusal = refusalOf(doc.at(row), row, shift)) {
            return refusal;
        }
    }
    return std::nullopt;
}

std::optional<std::string> writeJarlLog(const CSorvakDoc& doc, int64_t totalScore) {
    if (jarlLogRefusal(doc)) {
        return std::nullopt;
    }
    return summarySheet(doc, totalScore) + logSheet(doc);
}

}  // namespace sorvak
