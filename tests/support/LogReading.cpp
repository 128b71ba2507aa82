#include "support/LogReading.h"

#include <gtest/gtest.h>
#include <utime.h>

#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "platform/ClockTime.h"

namespace sorvak::test {

QsoParts sampleParts(const std::string& callSign) {
    QsoParts p;
    p.year = 2008;
    p.month = 11;
    p.day = 22;
    p.hhmm = 1234;
    p.callSign = callSign;
    p.srst = 599;
    p.rrst = 599;
    p.bandText = "14";
    p.modeText = "SSB";
    p.powerLetter = 'P';
    p.points = 2;
    return p;
}

void readWith(Reader reader, const std::string& path, CSorvakDoc& doc, Ui& ui, LoadMode mode) {
    LogSource source(path);
    ASSERT_TRUE(source.isOpen()) << path;
    LoadContext context(doc, source, mode, ui);
    reader(context);
}

std::string describe(const QsoRecord& q) {
    char when[40] = "no time";
    if (auto t = breakDownClockTime(q.time())) {
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d", t->year, t->month, t->day,
                      t->hour, t->minute);
    }
    char power = q.powerLetter();
    return std::string(when) + "|" + q.callSign() + "|" + std::to_string(q.srst()) + "|" +
           q.sent() + "|" + std::to_string(q.rrst()) + "|" + q.rcvd() + "|" + q.multi() + " " +
           std::to_string(q.newMulti()) + "|" + q.multi2() + " " + std::to_string(q.newMulti2()) +
           "|" + std::string(q.bandText()) + "|" + std::string(q.modeText()) + "|" +
           (power != '\0' ? std::string(1, power) : std::string()) + "|" +
           std::to_string(q.points()) + "|" + std::to_string(q.txNumber()) + "|" +
           q.operatorName() + "|" + q.memo();
}

void setModificationYear(const std::string& path, int year) {
    utimbuf times{};
    times.modtime = makeClockTime(ClockParts{year, 6, 15, 12, 0, 0});
    times.actime = times.modtime;
    ASSERT_EQ(utime(path.c_str(), &times), 0) << path;
}

void LogReaderTest::readBytes(Reader reader, const std::string& name, const std::string& bytes,
                              LoadMode mode, int year) {
    std::string path = dir.write(name, bytes);
    if (year != 0) {
        setModificationYear(path, year);
    }
    readWith(reader, path, doc, ui, mode);
}

std::vector<std::string> LogReaderTest::described() const {
    std::vector<std::string> lines;
    for (const auto& q : doc.qsoList()) {
        lines.push_back(describe(*q));
    }
    return lines;
}

}  // namespace sorvak::test
