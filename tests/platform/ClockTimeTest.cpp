#include "platform/ClockTime.h"

#include <gtest/gtest.h>

namespace sorvak {
namespace {

TEST(ClockTime, BuildsAndBreaksDownWithoutZoneArithmetic) {
    int32_t t = makeClockTime({2008, 12, 31, 23, 59, 0});
    EXPECT_EQ(t, 1230767940);  // 2008-12-31 23:59:00 counted as UTC
    auto parts = breakDownClockTime(t);
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->year, 2008);
    EXPECT_EQ(parts->month, 12);
    EXPECT_EQ(parts->day, 31);
    EXPECT_EQ(parts->hour, 23);
    EXPECT_EQ(parts->minute, 59);
    EXPECT_EQ(parts->second, 0);
}

TEST(ClockTime, NormalisesOutOfRangeParts) {
    EXPECT_EQ(makeClockTime({2008, 13, 1, 0, 0, 0}), makeClockTime({2009, 1, 1, 0, 0, 0}));
    EXPECT_EQ(makeClockTime({2008, 1, 32, 0, 0, 0}), makeClockTime({2008, 2, 1, 0, 0, 0}));
    EXPECT_EQ(makeClockTime({2008, 3, 0, 0, 0, 0}), makeClockTime({2008, 2, 29, 0, 0, 0}));
    EXPECT_EQ(makeClockTime({2009, 0, 1, 0, 0, 0}), makeClockTime({2008, 12, 1, 0, 0, 0}));
    EXPECT_EQ(makeClockTime({2008, 1, 1, 24, 60, 0}), makeClockTime({2008, 1, 2, 1, 0, 0}));
}

TEST(ClockTime, TheRepresentableRangeIs1970To2038) {
    EXPECT_EQ(makeClockTime({1970, 1, 1, 0, 0, 0}), 0);
    EXPECT_EQ(makeClockTime({2038, 1, 19, 3, 14, 7}), 2147483647);
    EXPECT_EQ(makeClockTime({2038, 1, 19, 3, 14, 8}), kNoTime);
    EXPECT_EQ(makeClockTime({1969, 12, 31, 23, 59, 59}), kNoTime);
    EXPECT_EQ(makeClockTime({2147483647, 2147483647, 2147483647, 0, 0, 0}), kNoTime);
    EXPECT_FALSE(breakDownClockTime(-1));
    auto last = breakDownClockTime(2147483647);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->year, 2038);
}

TEST(ClockTime, EveryDayOfALeapYearRoundTrips) {
    int32_t t = makeClockTime({2024, 1, 1, 12, 0, 0});
    for (int i = 0; i < 366; ++i, t += 86400) {
        auto parts = breakDownClockTime(t);
        ASSERT_TRUE(parts);
        EXPECT_EQ(makeClockTime(*parts), t);
    }
    EXPECT_EQ(breakDownClockTime(t - 86400)->day, 31);
}

}  // namespace
}  // namespace sorvak
