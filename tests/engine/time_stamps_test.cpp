#include "engine/time_stamps.h"

#include <gtest/gtest.h>

namespace talvo {
namespace {

// Stamps read "hhmmssMMDDYYYY".

TEST(StampAdd, CarriesThroughEveryField) {
    EXPECT_EQ(StampAdd("23595912312026", 0, 0, 0, 1, false), "00000001012027");
    EXPECT_EQ(StampAdd("10000001152026", 0, 0, 0, 3725, false), "11020501152026");
    EXPECT_EQ(StampAdd("10500001152026", 0, 0, 75, 0, false), "12050001152026");
    EXPECT_EQ(StampAdd("20000004302026", 0, 5, 0, 0, false), "01000005012026");
    EXPECT_EQ(StampAdd("12000001312026", 40, 0, 0, 0, false), "12000003122026");
    EXPECT_EQ(StampAdd("12000012152026", 400, 0, 0, 0, false), "12000001192028");
}

TEST(StampAdd, FebruaryFollowsTheLeapFlagOfThePresentDate) {
    EXPECT_EQ(StampAdd("12000002282024", 1, 0, 0, 0, true), "12000002292024");
    EXPECT_EQ(StampAdd("12000002282024", 1, 0, 0, 0, false), "12000003012024");
    // The flag, not the stamp's own year, decides.
    EXPECT_EQ(StampAdd("12000002282023", 1, 0, 0, 0, true), "12000002292023");
}

TEST(StampSubtract, BorrowsThroughEveryField) {
    EXPECT_EQ(StampSubtract("00000001012027", 0, 0, 0, 1, false), "23595912312026");
    EXPECT_EQ(StampSubtract("00300003012026", 0, 25, 0, 0, false), "23300002272026");
    EXPECT_EQ(StampSubtract("12000003012024", 1, 0, 0, 0, true), "12000002292024");
    EXPECT_EQ(StampSubtract("12000003012024", 1, 0, 0, 0, false), "12000002282024");
}

TEST(StampSubtract, UndoesStampAdd) {
    const char* stamps[] = {"00000001012026", "23595912312026", "12301502282024", "06000007312030"};
    for (const char* stamp : stamps) {
        for (bool leap : {false, true}) {
            for (int days : {0, 1, 31, 59, 366}) {
                std::string later = StampAdd(stamp, days, 13, 47, 59, leap);
                EXPECT_EQ(StampSubtract(later, days, 13, 47, 59, leap), stamp)
                    << stamp << " + " << days << " days, leap " << leap;
            }
        }
    }
}

TEST(StampNow, ShiftsThePresentMomentBySignedHoursAndMinutes) {
    ClockState clock;
    clock.SetMoment({2026, 12, 31, 23, 50, 0});
    EXPECT_EQ(StampNow(clock, 0, 0), "23500012312026");
    EXPECT_EQ(StampNow(clock, 5, 0), "04500001012027");
    EXPECT_EQ(StampNow(clock, 0, 30), "00200001012027");
    EXPECT_EQ(StampNow(clock, -3, -30), "20200012312026");
}

}  // namespace
}  // namespace talvo
