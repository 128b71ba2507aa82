#include "model/QsoRecord.h"

#include "model/Vocabulary.h"

namespace sorvak {

QsoRecord::QsoRecord(const QsoParts& p) {
    v_.time = makeCalendarTime(ClockParts{p.year, p.month, p.day, p.hhmm / 100, p.hhmm % 100, 0});
    v_.callSign = p.callSign;
    v_.srst = p.srst;
    v_.sent = p.sent;
    v_.rrst = p.rrst;
    v_.rcvd = p.rcvd;
    v_.multi = p.multi;
    v_.newMulti = p.multi.empty() ? 0 : 1;
    v_.multi2 = p.multi2;
    v_.newMulti2 = p.multi2.empty() ? 0 : 1;
    v_.band = bandCodeOf(p.bandText);
    v_.mode = modeCodeOf(p.modeText);
    v_.power = powerCodeOf(p.powerLetter);
    v_.points = p.points;
    v_.txNumber = p.txNumber;
    v_.operatorName = p.operatorName;
    v_.memo = p.memo;
}

std::string_view QsoRecord::bandText() const {
    return bandTextOf(v_.band);
}
std::string_view QsoRecord::modeText() const {
    return modeTextOf(v_.mode);
}
char QsoRecord::powerLetter() const {
    return powerLetterOf(v_.power);
}

int QsoRecord::year() const {
    auto p = breakDownClockTime(v_.time);
    return p ? p->year : -1;
}
int QsoRecord::month() const {
    auto p = breakDownClockTime(v_.time);
    return p ? p->month : -1;
}
int QsoRecord::day() const {
    auto p = breakDownClockTime(v_.time);
    return p ? p->day : -1;
}
int QsoRecord::hhmm() const {
    auto p = breakDownClockTime(v_.time);
    return p ? p->hour * 100 + p->minute : -1;
}
int QsoRecord::hour() const {
    auto p = breakDownClockTime(v_.time);
    return p ? p->hour : -1;
}
int QsoRecord::minute() const {
    auto p = breakDownClockTime(v_.time);
    return p ? p->minute : -1;
}
int QsoRecord::secondsOfDay() const {
    auto p = breakDownClockTime(v_.time);
    return p ? p->hour * 3600 + p->minute * 60 + p->second : -1;
}

ClockParts QsoRecord::clockFace() const {
    return breakDownClockTime(v_.time).value_or(ClockParts{});
}

void QsoRecord::setDate(int year, int month, int day) {
    ClockParts p = clockFace();
    p.year = year;
    p.month = month;
    p.day = day;
    p.second = 0;
    v_.time = makeClockTime(p);
}

void QsoRecord::setSecondsOfDay(int seconds) {
    ClockParts p = clockFace();
    p.hour = seconds / 3600;
    p.minute = seconds % 3600 / 60;
    p.second = seconds % 60;
    v_.time = makeClockTime(p);
}

}  // namespace sorvak
