#include "editing/QsoEditForm.h"

#include "editing/FieldChecks.h"
#include "editing/RecordFields.h"
#include "model/FieldCapacities.h"
#include "model/QsoRecord.h"
#include "model/Vocabulary.h"
#include "platform/Cp932.h"
#include "platform/LocalClock.h"

namespace sorvak {
namespace {

using List = std::vector<std::string>;

List vocabulary(int count, std::string_view (*textOf)(int)) {
    List list;
    for (int code = 0; code < count; ++code) {
        list.emplace_back(textOf(code));
    }
    return list;
}

int bandCodeOfText(const std::string& text) {
    return bandCodeOf(storedText(text));
}

int modeCodeOfText(const std::string& text) {
    return modeCodeOf(storedText(text));
}

// The power of the first letter; an empty text names none.
int powerCodeOfText(const std::string& text) {
    return text.empty() ? -1 : powerCodeOf(text[0]);
}

std::string refusal(const char* label, const std::string& text) {
    return std::string(label) + " " + text + " は不正です。";
}

}  // namespace

QsoEditForm::QsoEditForm() : clock(localClockNow) {}

const List& QsoEditForm::bandList() {
    static const List list = vocabulary(kBandCount, bandTextOf);
    return list;
}

const List& QsoEditForm::modeList() {
    static const List list = vocabulary(kModeCount, modeTextOf);
    return list;
}

const List& QsoEditForm::powerList() {
    static const List list = {"P", "L", "M", "H"};
    return list;
}

QsoEditForm QsoEditForm::fromRecord(const QsoRecord& r, size_t row) {
    QsoEditForm form;
    form.qsoNumber = std::to_string(row + 1);
    fillSharedFields(form, r);
    ClockParts parts = r.clockFace();
    form.hour = std::to_string(parts.hour);
    form.minute = std::to_string(parts.minute);
    form.second = std::to_string(parts.second);
    form.callSign = cp932ToUtf8(r.callSign());
    form.rcvd = cp932ToUtf8(r.rcvd());
    form.multi = cp932ToUtf8(r.multi());
    form.newMulti = r.newMulti() != 0;
    form.multi2 = cp932ToUtf8(r.multi2());
    form.newMulti2 = r.newMulti2() != 0;
    return form;
}

void QsoEditForm::takeCurrentTime() {
    if (!newMode || !useCurrentTime || !clock) {
        return;
    }
    ClockParts now = clock();
    year = std::to_string(now.year);
    month = std::to_string(now.month);
    day = std::to_string(now.day);
    hour = std::to_string(now.hour);
    minute = std::to_string(now.minute);
    second = "0";
}

std::optional<QsoEditForm::Failure> QsoEditForm::check() const {
    struct Check {
        Field field;
        std::optional<std::string> message;
    };
    const Check checks[] = {
        {Field::Band, checkText(band, kBandTextCapacity)},
        {Field::CallSign, checkText(callSign, kCallSignCapacity)},
        {Field::Hour, checkUnsigned(hour, 0, 23)},
        {Field::Day, checkUnsigned(day, 1, 31)},
        {Field::Memo, checkText(memo, kMemoCapacity)},
        {Field::Minute, checkUnsigned(minute, 0, 59)},
        {Field::Mode, checkText(mode, kModeTextCapacity)},
        {Field::Month, checkUnsigned(month, 1, 12)},
        {Field::Multi, checkText(multi, kExchangeCapacity)},
        {Field::Operator, checkText(operatorName, kOperatorCapacity)},
        {Field::Power, checkText(power, kPowerTextCapacity)},
        {Field::Points, checkUnsigned(points, 0, kMaxPoints)},
        {Field::Rrst, checkUnsigned(rrst, 0, kMaxRst)},
        {Field::Second, checkUnsigned(second, 0, 59)},
        {Field::Srst, checkUnsigned(srst, 0, kMaxRst)},
        {Field::Year, checkUnsigned(year, kFirstYear, kLastYear)},
        {Field::Rcvd, checkText(rcvd, kExchangeCapacity)},
        {Field::Sent, checkText(sent, kExchangeCapacity)},
        {Field::QsoNumber, checkUnsigned(qsoNumber)},
        {Field::Multi2, checkText(multi2, kExchangeCapacity)},
        {Field::TxNumber, checkUnsigned(txNumber, 0, kMaxTxNumber)},
    };
    for (const Check& c : checks) {
        if (c.message) {
            return Failure{c.field, *c.message};
        }
    }
    return std::nullopt;
}

std::vector<std::string> QsoEditForm::writeTo(QsoRecord& r) const {
    r.setDate(numberOf(year), numberOf(month), numberOf(day));
    r.setSecondsOfDay(numberOf(hour) * 3600 + numberOf(minute) * 60 + numberOf(second));
    r.setCallSign(storedText(callSign));
    r.setSrst(numberOf(srst));
    r.setSent(storedText(sent));
    r.setRrst(numberOf(rrst));
    r.setRcvd(storedText(rcvd));
    r.setMulti(storedText(multi));
    r.setNewMulti(newMulti ? 1 : 0);
    r.setMulti2(storedText(multi2));
    r.setNewMulti2(newMulti2 ? 1 : 0);
    std::vector<std::string> refusals;
    if (int code = bandCodeOfText(band); code >= 0) {
        r.setBand(code);
    } else {
        refusals.push_back(refusal("ﾊﾞﾝﾄﾞ", band));
    }
    if (int code = modeCodeOfText(mode); code >= 0) {
        r.setMode(code);
    } else {
        refusals.push_back(refusal("ﾓｰﾄﾞ", mode));
    }
    if (int code = powerCodeOfText(power); code >= 0) {
        r.setPower(code);
    } else {
        refusals.push_back(refusal("ﾊﾟﾜｰ", power));
    }
    r.setPoints(numberOf(points));
    r.setTxNumber(numberOf(txNumber));
    r.setOperatorName(storedText(operatorName));
    r.setMemo(storedText(memo));
    return refusals;
}

QsoEditForm::NewQso QsoEditForm::buildRecord() const {
    QsoValues v;
    v.time = makeClockTime(ClockParts{numberOf(year), numberOf(month), numberOf(day),
                                      numberOf(hour), numberOf(minute), numberOf(second)});
    v.callSign = storedText(callSign);
    v.srst = numberOf(srst);
    v.sent = storedText(sent);
    v.rrst = numberOf(rrst);
    v.rcvd = storedText(rcvd);
    v.multi = storedText(multi);
    v.newMulti = newMulti ? 1 : 0;
    v.multi2 = storedText(multi2);
    v.newMulti2 = newMulti2 ? 1 : 0;
    v.band = bandCodeOfText(band);
    v.mode = modeCodeOfText(mode);
    v.power = powerCodeOfText(power);
    v.points = numberOf(points);
    v.txNumber = numberOf(txNumber);
    v.operatorName = storedText(operatorName);
    v.memo = storedText(memo);
    std::string problems;
    auto line = [&problems](const char* label, const std::string& text) {
        problems += std::string(label) + " \"" + text + "\" は不正です。\n";
    };
    if (v.callSign.empty()) {
        line("ｺｰﾙｻｲﾝ", callSign);
    }
    if (v.band < 0) {
        line("ﾊﾞﾝﾄﾞ", band);
    }
    if (v.mode < 0) {
        line("ﾓｰﾄﾞ", mode);
    }
    if (v.power < 0) {
        line("ﾊﾟﾜｰ", power);
    }
    if (!problems.empty()) {
        return NewQso{nullptr, problems};
    }
    return NewQso{std::make_unique<QsoRecord>(std::move(v)), {}};
}

}  // namespace sorvak
