#include <gtest/gtest.h>

#include "model/QsoRecord.h"
#include "reports/MultiplierMarks.h"
#include "reports/OperatorTally.h"

namespace sorvak {
namespace {

constexpr int kCw = 0, kSsb = 1;

QsoRecord qsoWith(std::string multi, int newMulti, std::string multi2 = "", int newMulti2 = 0,
                  int mode = kSsb, std::string op = "") {
    QsoValues v;
    v.callSign = "JA1ABC";
    v.multi = std::move(multi);
    v.newMulti = newMulti;
    v.multi2 = std::move(multi2);
    v.newMulti2 = newMulti2;
    v.mode = mode;
    v.operatorName = std::move(op);
    return QsoRecord(std::move(v));
}

TEST(MultiplierMarks, ZoneListMarksZoneAndNameAndStopsAtTheFirstInvalid) {
    MultiplierMarks marks(readMultiplierList("cqww.dat\n" + std::string(31, ' ') + "JA\n"));
    const int b14 = 6;  // 14 MHz
    EXPECT_FALSE(marks.markQso(qsoWith("3", 1, "JA", 1), b14));
    EXPECT_TRUE(marks.zoneBands(3)[b14]);
    EXPECT_TRUE(marks.nameBands(0)[b14]);
    EXPECT_TRUE(marks.bandHasMultiplier(b14));
    EXPECT_FALSE(marks.bandHasMultiplier(5));

    EXPECT_EQ(marks.markQso(qsoWith("41", 1, "JA", 1), 16), "41");  // multi2 left unexamined
    EXPECT_EQ(marks.markQso(qsoWith("41", 0, "XX", 1), 16), "XX");
    EXPECT_FALSE(marks.markQso(qsoWith("", 0, "XX", 0), 16));
    EXPECT_FALSE(marks.bandHasMultiplier(16));
    EXPECT_FALSE(marks.markQso(qsoWith("40", 1), 16));
    EXPECT_TRUE(marks.zoneBands(40)[16]);
    EXPECT_FALSE(marks.markQso(qsoWith("39", 1), 0));  // no band: valid, nothing marked
    EXPECT_FALSE(marks.zoneBands(39).any());
}

TEST(MultiplierMarks, NameListChecksMultiOnlyAgainstTheList) {
    MultiplierMarks marks(builtInMultiplierList());
    EXPECT_FALSE(marks.markQso(qsoWith("101", 1, "junk", 1), 3));  // multi2 not used
    EXPECT_TRUE(marks.nameBands(0)[3]);
    EXPECT_EQ(marks.markQso(qsoWith("51", 1), 3), "51");
}

TEST(OperatorTally, CountsPerOperatorInOrderOfFirstAppearance) {
    OperatorTally tally;
    tally.add(qsoWith("", 0, "", 0, kCw, "JR1WWW"), 6);
    tally.add(qsoWith("25", 1, "JA", 1, kCw, ""), 6);  // both flags: one multiplier QSO
    tally.add(qsoWith("", 0, "", 0, kSsb, "JR1WWW"), 3);
    tally.add(qsoWith("", 0, "", 0, kSsb, "jr1www"), -1);  // another operator; no band
    tally.add(qsoWith("", 0, "", 0, kSsb, std::string(40, 'X')), 3);

    const auto& ops = tally.operators();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].opName, "JR1WWW");
    EXPECT_EQ(printedOperatorName(ops[1]), "Op?");
    EXPECT_EQ(ops[2].opName, "jr1www");
    EXPECT_EQ(ops[3].opName.size(), 40u);
    EXPECT_EQ(tally.nameWidth(), 40u);

    EXPECT_EQ(ops[0].opCount[0], 2);
    EXPECT_EQ(ops[0].opCount[6], 1);
    EXPECT_EQ(ops[0].opCount[3], 1);
    EXPECT_EQ(ops[0].opCwCount[0], 1);
    EXPECT_EQ(ops[0].opMultis[0], 0);
    EXPECT_EQ(ops[1].opMultis[0], 1);
    EXPECT_EQ(ops[1].opMultis[6], 1);
    EXPECT_EQ(ops[1].opCwMultis[6], 1);
    EXPECT_EQ(ops[2].opCount[0], 1);
    int perBand = 0;
    for (int b = 1; b <= 16; ++b)
        perBand += ops[2].opCount[b];
    EXPECT_EQ(perBand, 0);

    OperatorTally shortNames;
    shortNames.add(qsoWith("", 0, "", 0, kSsb, "ABC"), 1);
    EXPECT_EQ(shortNames.nameWidth(), 5u);
}

}  // namespace
}  // namespace sorvak
