#include "formats/BinaryLog.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "formats/BinaryLayout.h"
#include "formats/LoadContext.h"
#include "platform/Cp932.h"
#include "platform/TextFormat.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

using namespace binary;

constexpr double kEpochDays = 25569.0;
// The day count of a QSO without a time: day 0, which reads back as no time.
constexpr double kNoTimeDayCount = 0.0;

double doubleAt(const RawRecord& r, size_t offset) {
    double value;
    std::memcpy(&value, r.data() + offset, sizeof value);
    return value;
}

int16_t int16At(const RawRecord& r, size_t offset) {
    return static_cast<int16_t>(static_cast<uint16_t>(r[offset] | (r[offset + 1] << 8)));
}

// A length-prefixed string; the text ends at its length, its capacity or a NUL.
std::string stringAt(const RawRecord& r, size_t offset, size_t capacity) {
    size_t length = std::min<size_t>(r[offset], capacity);
    const char* text = reinterpret_cast<const char*>(r.data() + offset + 1);
    return std::string(text, strnlen(text, length));
}

void putDouble(RawRecord& r, size_t offset, double value) {
    std::memcpy(r.data() + offset, &value, sizeof value);
}

void putInt16(RawRecord& r, size_t offset, int value) {
    auto bits = static_cast<uint16_t>(value);
    r[offset] = static_cast<uint8_t>(bits & 0xFF);
    r[offset + 1] = static_cast<uint8_t>(bits >> 8);
}

void putByte(RawRecord& r, size_t offset, int value) {
    r[offset] = static_cast<uint8_t>(value);
}

// Writes the length byte and text, cut at a whole character to the field's
// capacity (counted in `cut`); returns the length written.
size_t putString(RawRecord& r, size_t offset, const std::string& text, size_t capacity, int& cut) {
    std::string_view kept = wholeCharactersWithin(text, capacity);
    cut += kept.size() < text.size() ? 1 : 0;
    r[offset] = static_cast<uint8_t>(kept.size());
    std::memcpy(r.data() + offset + 1, kept.data(), kept.size());
    return kept.size();
}

// Zeroes the bytes from `first` to `last` inclusive; nothing when first > last.
void zeroRange(RawRecord& r, size_t first, size_t last) {
    for (size_t i = first; i <= last; ++i) {
        r[i] = 0;
    }
}

QsoRecord recordFrom(const RawRecord& r) {
    QsoValues v;
    v.time = timeFromDayCount(doubleAt(r, kTime));
    v.callSign = stringAt(r, kCallSign, kCallSignCap);
    v.sent = stringAt(r, kSent, kExchangeCap);
    v.rcvd = stringAt(r, kRcvd, kExchangeCap);
    v.srst = int16At(r, kSrst);
    v.rrst = int16At(r, kRrst);
    v.mode = r[kMode];
    v.band = r[kBand];
    v.power = static_cast<int8_t>(r[kPower]);
    v.multi = stringAt(r, kMulti, kExchangeCap);
    v.multi2 = stringAt(r, kMulti2, kExchangeCap);
    v.newMulti = r[kNewMulti];
    v.newMulti2 = r[kNewMulti2];
    v.points = r[kPoints];
    v.operatorName = stringAt(r, kOperator, kOperatorCap);
    v.memo = stringAt(r, kMemo, kMemoCap);
    v.txNumber = r[kTxNumber];
    return QsoRecord(std::move(v));
}

RawRecord recordBytes(const QsoRecord& q, int& cut) {
    RawRecord r{};
    putDouble(r, kTime, dayCountFromTime(q.time()));
    putString(r, kCallSign, q.callSign(), kCallSignCap, cut);
    putString(r, kSent, q.sent(), kExchangeCap, cut);
    putString(r, kRcvd, q.rcvd(), kExchangeCap, cut);
    putInt16(r, kSrst, q.srst());
    putInt16(r, kRrst, q.rrst());
    putByte(r, kMode, q.mode());
    putByte(r, kBand, q.band());
    putByte(r, kPower, q.power());
    putString(r, kMulti, q.multi(), kExchangeCap, cut);
    putString(r, kMulti2, q.multi2(), kExchangeCap, cut);
    putByte(r, kNewMulti, q.newMulti());
    putByte(r, kNewMulti2, q.newMulti2());
    putByte(r, kPoints, q.points());
    putString(r, kOperator, q.operatorName(), kOperatorCap, cut);
    putString(r, kMemo, q.memo(), kMemoCap, cut);
    putByte(r, kTxNumber, q.txNumber());
    return r;
}

RawRecord headerBytes(const CSorvakDoc& doc, int& cut) {
    RawRecord r = doc.rawHeader();
    const ContestInfo& info = doc.contest();
    putDouble(r, 0, info.version);
    putInt16(r, kTimeZone, info.utcFlag != 0 ? -1 : 0);
    putInt16(r, kCoefficient, info.coefficient);
    size_t call = putString(r, kCallSign, info.stationCall, kCallSignCap, cut);
    zeroRange(r, kCallSign + 1 + call, kStationCallEnd);
    size_t name = putString(r, kContestName, info.contestName, kContestNameWritten, cut);
    zeroRange(r, kContestName + 1 + name, kContestNameEnd);
    return r;
}

void append(std::string& out, const RawRecord& r) {
    out.append(reinterpret_cast<const char*>(r.data()), r.size());
}

}  // namespace

double dayCountFromTime(int32_t time) {
    return time < 0 ? kNoTimeDayCount : time / 86400.0 + kEpochDays;
}

int32_t timeFromDayCount(double days) {
    // Rounded down, not towards zero: a moment before 1970 is no time (the
    // one value of a QSO without a time), never 1970-01-01 00:00.
    double seconds = std::floor((days - kEpochDays) * 86400.0 + 0.001);
    if (!(seconds >= 0 && seconds <= std::numeric_limits<int32_t>::max())) {
        return kNoTime;
    }
    return static_cast<int32_t>(seconds);
}

std::string headerContestName(const RawRecord& header) {
    return stringAt(header, kContestName, kMemoCap);
}

bool isServerHeader(const RawRecord& header) {
    return headerContestName(header).find(kServerLogMark) != std::string::npos;
}

void applyHeaderRecord(CSorvakDoc& doc, const RawRecord& header) {
    ContestInfo& info = doc.contest();
    info.version = doubleAt(header, 0);
    info.utcFlag = int16At(header, kTimeZone) == -1 ? 1 : 0;
    info.coefficient = int16At(header, kCoefficient);
    info.stationCall = stringAt(header, kCallSign, kCallSignCap);
    info.contestName = headerContestName(header);
}

void readBinaryLog(LoadContext& context) {
    RawRecord record{};
    size_t got = context.source.read(record.data(), record.size());
    // A header cut short is still applied, as its bytes are all there is.
    size_t cut = got < record.size() ? got : 0;
    if (context.mode == LoadMode::Load) {
        context.doc.rawHeader() = record;
        if (!isServerHeader(record)) {
            applyHeaderRecord(context.doc, record);
        }
    }
    while ((got = context.source.read(record.data(), record.size())) == record.size()) {
        context.add(std::make_unique<QsoRecord>(recordFrom(record)));
    }
    // A final piece shorter than a record is not a QSO: it is dropped, and
    // the user is told that the file was cut short.
    cut += got;
    if (cut > 0 && !context.source.failed()) {
        context.ui.tell(
            formatText("ﾌｧｲﾙの末尾の%zuﾊﾞｲﾄは1ﾚｺｰﾄﾞに満たないため読み込みませんでした。\n", cut) +
            context.source.path());
    }
}

std::string writeBinaryLog(const CSorvakDoc& doc, int& cut) {
    cut = 0;
    std::string out;
    out.reserve((doc.count() + 1) * kRecordSize);
    append(out, headerBytes(doc, cut));
    for (const auto& q : doc.qsoList()) {
        append(out, recordBytes(*q, cut));
    }
    return out;
}

std::string writeBinaryLog(const CSorvakDoc& doc) {
    int cut = 0;
    return writeBinaryLog(doc, cut);
}

std::string writeBinaryLogFile(const CSorvakDoc& doc, std::string& note) {
    int cut = 0;
    std::string bytes = writeBinaryLog(doc, cut);
    note = cut > 0 ? formatText("ﾊﾞｲﾅﾘﾌｧｲﾙの欄に収まらない値を%d個切り詰めました。", cut)
                   : std::string();
    return bytes;
}

}  // namespace sorvak
