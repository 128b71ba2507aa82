#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ClockTime.h"

namespace sorvak {

// A QSO built from entered or parsed parts; band, mode and power are looked
// up from their texts, and the new-multiplier flags follow the multipliers.
// Parts that name no real date and time of day leave the QSO without a time.
struct QsoParts {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hhmm = 0;
    std::string callSign;
    int srst = 0;
    std::string sent;
    int rrst = 0;
    std::string rcvd;
    std::string multi;
    std::string multi2;
    std::string bandText;
    std::string modeText;
    char powerLetter = '\0';
    int points = -1;
    int txNumber = 0;
    std::string operatorName;
    std::string memo;
};

// A QSO as stored, taken unchanged.
struct QsoValues {
    int32_t time = kNoTime;
    std::string callSign;
    int srst = 0;
    std::string sent;
    int rrst = 0;
    std::string rcvd;
    std::string multi;
    int newMulti = 0;
    std::string multi2;
    int newMulti2 = 0;
    int band = -1;
    int mode = -1;
    int power = -1;
    int points = -1;
    int txNumber = 0;
    std::string operatorName;
    std::string memo;
};

// One contact of a contest log. Text is CP932 bytes, compared byte-wise.
class QsoRecord {
  public:
    QsoRecord() = default;
    explicit QsoRecord(const QsoParts& parts);
    explicit QsoRecord(QsoValues values) : v_(std::move(values)) {}

    const QsoValues& values() const { return v_; }

    int32_t time() const { return v_.time; }
    const std::string& callSign() const { return v_.callSign; }
    int srst() const { return v_.srst; }
    const std::string& sent() const { return v_.sent; }
    int rrst() const { return v_.rrst; }
    const std::string& rcvd() const { return v_.rcvd; }
    const std::string& multi() const { return v_.multi; }
    int newMulti() const { return v_.newMulti; }
    const std::string& multi2() const { return v_.multi2; }
    int newMulti2() const { return v_.newMulti2; }
    int band() const { return v_.band; }
    int mode() const { return v_.mode; }
    int power() const { return v_.power; }
    int points() const { return v_.points; }
    int txNumber() const { return v_.txNumber; }
    const std::string& operatorName() const { return v_.operatorName; }
    const std::string& memo() const { return v_.memo; }

    void setTime(int32_t t) { v_.time = t; }
    void setCallSign(std::string_view s) { v_.callSign = s; }
    void setSrst(int n) { v_.srst = n; }
    void setSent(std::string_view s) { v_.sent = s; }
    void setRrst(int n) { v_.rrst = n; }
    void setRcvd(std::string_view s) { v_.rcvd = s; }
    void setMulti(std::string_view s) { v_.multi = s; }
    void setNewMulti(int n) { v_.newMulti = n; }
    void setMulti2(std::string_view s) { v_.multi2 = s; }
    void setNewMulti2(int n) { v_.newMulti2 = n; }
    void setBand(int code) { v_.band = code; }
    void setMode(int code) { v_.mode = code; }
    void setPower(int code) { v_.power = code; }
    void setPoints(int n) { v_.points = n; }
    void setTxNumber(int n) { v_.txNumber = n; }
    void setOperatorName(std::string_view s) { v_.operatorName = s; }
    void setMemo(std::string_view s) { v_.memo = s; }

    std::string_view bandText() const;
    std::string_view modeText() const;
    char powerLetter() const;
    int memoLength() const { return static_cast<int>(v_.memo.size()); }

    // Date and time parts of `time`; -1 each when `time` names no moment.
    int year() const;
    int month() const;
    int day() const;
    int hhmm() const;
    int hour() const;
    int minute() const;
    int secondsOfDay() const;
    // The clock-face date and time; a record without a time reads as
    // 1970-01-01 00:00, where its time setters start from.
    ClockParts clockFace() const;

    // Each keeps the other parts; setDate drops the seconds.
    // A record without a time starts from 1970-01-01 00:00. The date is set
    // whole, so that no part is normalised against the old ones (31 January
    // given 15 February never passes through 31 February).
    void setDate(int year, int month, int day);
    void setSecondsOfDay(int seconds);

  private:
    QsoValues v_;
};

// The QSOs of a log in list order, each owned by the list.
using QsoList = std::vector<std::unique_ptr<QsoRecord>>;

}  // namespace sorvak
