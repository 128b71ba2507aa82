#include "model/QsoRecord.h"

#include <gtest/gtest.h>

#include "model/Vocabulary.h"

namespace sorvak {
namespace {

TEST(QsoRecord, AnEmptyRecord) {
    QsoRecord q;
    EXPECT_EQ(q.time(), -1);
    EXPECT_EQ(q.band(), -1);
    EXPECT_EQ(q.mode(), -1);
    EXPECT_EQ(q.power(), -1);
    EXPECT_EQ(q.points(), -1);
    EXPECT_EQ(q.txNumber(), 0);
    EXPECT_EQ(q.srst(), 0);
    EXPECT_EQ(q.newMulti(), 0);
    EXPECT_TRUE(q.callSign().empty());
}

TEST(QsoRecord, FromPartsLooksUpTextsAndFlagsNewMultipliers) {
    QsoRecord q(QsoParts{.year = 2026,
                         .month = 11,
                         .day = 3,
                         .hhmm = 905,
                         .callSign = "JA1ABC",
                         .srst = 599,
                         .sent = "10H",
                         .rrst = 579,
                         .rcvd = "13M",
                         .multi = "",
                         .multi2 = "13",
                         .bandText = "10G",
                         .modeText = "Other",
                         .powerLetter = 'M',
                         .points = 2,
                         .txNumber = 1,
                         .operatorName = "JH1QQQ",
                         .memo = "memo"});
    EXPECT_EQ(q.newMulti(), 0);
    EXPECT_EQ(q.newMulti2(), 1);
    EXPECT_EQ(q.band(), 15);
    EXPECT_EQ(q.mode(), 5);
    EXPECT_EQ(q.power(), 2);
    EXPECT_EQ(q.srst(), 599);
    EXPECT_EQ(q.rrst(), 579);
    EXPECT_EQ(q.points(), 2);
    EXPECT_EQ(q.txNumber(), 1);
    EXPECT_EQ(q.operatorName(), "JH1QQQ");
    EXPECT_EQ(q.memoLength(), 4);
    EXPECT_EQ(q.bandText(), "10G");
    EXPECT_EQ(q.modeText(), "Other");
    EXPECT_EQ(q.powerLetter(), 'M');
}

TEST(QsoRecord, FromStoredValuesTakesThemUnchanged) {
    QsoValues v;
    v.time = 12345;
    v.multi = "13";
    v.newMulti = 0;
    v.band = 200;
    v.power = -1;
    QsoRecord q(v);
    EXPECT_EQ(q.time(), 12345);
    EXPECT_EQ(q.newMulti(), 0);
    EXPECT_EQ(q.band(), 200);
    EXPECT_EQ(q.bandText(), "");  // no text for a code outside the table
    EXPECT_EQ(q.powerLetter(), '\0');
}

TEST(Vocabulary, TextLookupsAreExactAndCaseSensitive) {
    EXPECT_EQ(bandCodeOf("10G"), 15);
    EXPECT_EQ(bandCodeOf("10"), 3);
    EXPECT_EQ(bandCodeOf("10g"), -1);
    EXPECT_EQ(bandCodeOf("1.9"), 0);
    EXPECT_EQ(bandCodeOf("1.8"), -1);
    EXPECT_EQ(bandCodeOf("1.90"), -1);
    EXPECT_EQ(modeCodeOf("RTTY"), 4);
    EXPECT_EQ(modeCodeOf("cw"), -1);
    EXPECT_EQ(powerCodeOf('H'), 3);
    EXPECT_EQ(powerCodeOf('h'), -1);
    EXPECT_EQ(powerCodeOf('P'), 0);
    EXPECT_EQ(powerCodeOf('\0'), -1);
}

TEST(Vocabulary, EveryCodeRoundTripsThroughItsText) {
    for (int code = 0; code < kBandCount; ++code) {
        EXPECT_EQ(bandCodeOf(bandTextOf(code)), code);
    }
    for (int code = 0; code < kModeCount; ++code) {
        EXPECT_EQ(modeCodeOf(modeTextOf(code)), code);
    }
    for (int code = 0; code < kPowerCount; ++code) {
        EXPECT_EQ(powerCodeOf(powerLetterOf(code)), code);
    }
}

TEST(QsoRecordTime, GettersOfARecordBuiltFromParts) {
    QsoRecord q(QsoParts{.year = 2008, .month = 12, .day = 31, .hhmm = 2359});
    EXPECT_EQ(q.year(), 2008);
    EXPECT_EQ(q.month(), 12);
    EXPECT_EQ(q.day(), 31);
    EXPECT_EQ(q.hhmm(), 2359);
    EXPECT_EQ(q.hour(), 23);
    EXPECT_EQ(q.minute(), 59);
    EXPECT_EQ(q.secondsOfDay(), 86340);
}

TEST(QsoRecordTime, SettersKeepTheOtherPartsAndDropSeconds) {
    QsoRecord q(QsoParts{.year = 2008, .month = 11, .day = 22, .hhmm = 1234});
    q.setSecondsOfDay(3661);
    EXPECT_EQ(q.hhmm(), 101);
    EXPECT_EQ(q.secondsOfDay(), 3661);
    q.setDate(2008, 11, 5);
    EXPECT_EQ(q.hhmm(), 101);
    EXPECT_EQ(q.secondsOfDay(), 3660);
    EXPECT_EQ(q.day(), 5);
    q.setDate(2009, 2, 5);
    q.setSecondsOfDay(23 * 3600 + 5 * 60);
    EXPECT_EQ(q.year(), 2009);
    EXPECT_EQ(q.month(), 2);
    EXPECT_EQ(q.day(), 5);
    EXPECT_EQ(q.hhmm(), 2305);
    q.setDate(2009, 13, 5);  // normalised into the next year
    EXPECT_EQ(q.year(), 2010);
    EXPECT_EQ(q.month(), 1);
}

TEST(QsoRecordTime, ARecordWithoutATime) {
    QsoRecord q;
    EXPECT_EQ(q.time(), -1);
    EXPECT_EQ(q.month(), -1);
    EXPECT_EQ(q.hhmm(), -1);
    EXPECT_EQ(q.clockFace().year, 1970);
    q.setSecondsOfDay(9 * 3600 + 30 * 60);  // starts from 1970-01-01
    EXPECT_EQ(q.year(), 1970);
    EXPECT_EQ(q.hhmm(), 930);
}

}  // namespace
}  // namespace sorvak
