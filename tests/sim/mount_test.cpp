#include "sim/mount.h"

#include <gtest/gtest.h>

namespace talvo::sim {
namespace {

TEST(Mount, SlewsBothAxesAtTheRateAndStopsExactlyOnTheTarget) {
    Mount mount({1.0, 10.0}, 4.0);
    mount.GoTo({2.0, 30.0}, 100.0);                    // 15 degrees of right ascension, 20 of declination
    EXPECT_DOUBLE_EQ(mount.ArrivalTime(), 105.0);      // the longer axis: 20 degrees at 4 a second
    const Pointing halfway = mount.PointingAt(102.5);  // each axis 10 degrees on
    EXPECT_NEAR(halfway.raHours, 1.0 + 10.0 / 15.0, 1e-9);
    EXPECT_NEAR(mount.PointingAt(104.0).raHours, 2.0, 1e-9);  // right ascension there after 3.75 s
    EXPECT_NEAR(halfway.decDegrees, 20.0, 1e-9);
    EXPECT_TRUE(mount.IsSlewing(104.99));
    EXPECT_FALSE(mount.IsSlewing(105.0));
    const Pointing there = mount.PointingAt(105.0);
    EXPECT_EQ(there.raHours, 2.0);
    EXPECT_EQ(there.decDegrees, 30.0);
}

TEST(Mount, RightAscensionTakesTheShortWayRound) {
    Mount mount({23.0, 0.0}, 15.0);  // an hour of right ascension a second
    mount.GoTo({1.0, 0.0}, 0.0);     // two hours on through 0h, not 22 back
    EXPECT_DOUBLE_EQ(mount.ArrivalTime(), 2.0);
    EXPECT_NEAR(mount.PointingAt(0.5).raHours, 23.5, 1e-9);
    EXPECT_NEAR(mount.PointingAt(1.5).raHours, 0.5, 1e-9);
    mount.GoTo({23.0, 0.0}, 10.0);
    EXPECT_NEAR(mount.PointingAt(10.5).raHours, 0.5, 1e-9);
}

TEST(Mount, StopHoldsWhereTheSlewHadGot) {
    Mount mount({0.0, 0.0}, 2.0);
    mount.GoTo({0.0, 40.0}, 0.0);
    mount.Stop(5.0);
    EXPECT_FALSE(mount.IsSlewing(5.0));
    EXPECT_NEAR(mount.PointingAt(50.0).decDegrees, 10.0, 1e-9);
}

TEST(Mount, NewGotoStartsFromThePresentPointing) {
    Mount mount({0.0, 0.0}, 1.0);
    mount.GoTo({0.0, 10.0}, 0.0);
    mount.GoTo({0.0, 0.0}, 4.0);  // from +4 back to 0
    EXPECT_DOUBLE_EQ(mount.ArrivalTime(), 8.0);
    EXPECT_NEAR(mount.PointingAt(6.0).decDegrees, 2.0, 1e-9);
    EXPECT_EQ(mount.SlewCount(), 2);
}

TEST(Mount, DeclinationsPastThePoleOrAbove180AreFolded) {
    const Pointing south = NormalizePointing(5.0, 337.5);
    EXPECT_NEAR(south.decDegrees, -22.5, 1e-9);
    EXPECT_NEAR(south.raHours, 5.0, 1e-9);
    const Pointing over = NormalizePointing(20.0, 100.0);
    EXPECT_NEAR(over.decDegrees, 80.0, 1e-9);
    EXPECT_NEAR(over.raHours, 8.0, 1e-9);
}

TEST(Mount, DescribesPointingWithTheDegreeSign) {
    EXPECT_EQ(DescribePointing({0.712222, 41.27}), "00h42m44s +41\u00B016'");
    EXPECT_EQ(DescribePointing({23.99999, -0.001}), "00h00m00s +00\u00B000'");
    EXPECT_EQ(DescribePointing({5.5, -5.5}), "05h30m00s -05\u00B030'");
}

}  // namespace
}  // namespace talvo::sim
