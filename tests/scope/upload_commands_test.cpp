// The five commands that give an LX200-family telescope its site and time, byte for byte.
#include <gtest/gtest.h>

#include "scope/scope_upload.h"

namespace talvo {
namespace {

TEST(UploadCommands, WesternSiteNorthOfTheEquator) {
    UploadValues values;
    values.latitudeDegrees = 40.5;
    values.longitudeDegrees = 75.25;
    values.utcOffsetHours = 5.0;
    values.year = 2026, values.month = 3, values.day = 7;
    values.hour = 21, values.minute = 4, values.second = 9;
    const auto commands = UploadCommands(values);
    EXPECT_EQ(commands[0], "#:Sg 075*15#");
    EXPECT_EQ(commands[1], "#:St +40*30#");
    EXPECT_EQ(commands[2], "#:SG+05.0#");
    EXPECT_EQ(commands[3], "#:SC 03/07/26#");
    EXPECT_EQ(commands[4], "#:SL 21:04:09#");
    const std::size_t lengths[] = {12, 12, 10, 14, 14};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(commands[i].size(), lengths[i]) << commands[i];
}

TEST(UploadCommands, EasternSiteIsCountedWestwardAndSouthernLatitudeSigned) {
    UploadValues values;
    values.latitudeDegrees = -0.5;
    values.longitudeDegrees = -151.2;
    values.utcOffsetHours = -10.5;
    const auto commands = UploadCommands(values);
    EXPECT_EQ(commands[0], "#:Sg 208*48#");
    EXPECT_EQ(commands[1], "#:St -00*30#");
    EXPECT_EQ(commands[2], "#:SG-10.5#");
}

TEST(UploadCommands, MinutesRoundingToSixtyCarryIntoTheDegrees) {
    UploadValues values;
    values.latitudeDegrees = 40.0 + 59.8 / 60.0;
    values.longitudeDegrees = -0.0001;  // just east of Greenwich: 360 less almost nothing
    const auto commands = UploadCommands(values);
    EXPECT_EQ(commands[0], "#:Sg 000*00#");
    EXPECT_EQ(commands[1], "#:St +41*00#");
}

TEST(UploadCommands, DaylightTimeIsAddedUnlessTheHandboxDoesIt) {
    EXPECT_DOUBLE_EQ(UploadUtcOffset(4.0, true, false), 5.0);
    EXPECT_DOUBLE_EQ(UploadUtcOffset(4.0, true, true), 4.0);
    EXPECT_DOUBLE_EQ(UploadUtcOffset(4.0, false, false), 4.0);
}

TEST(UploadCommands, TheLastFiveSecondsOfTheDayAreRefused) {
    EXPECT_FALSE(IsTooCloseToMidnight(23, 59, 54));
    EXPECT_TRUE(IsTooCloseToMidnight(23, 59, 55));
    EXPECT_TRUE(IsTooCloseToMidnight(23, 59, 57));
    EXPECT_FALSE(IsTooCloseToMidnight(0, 0, 0));
}

}  // namespace
}  // namespace talvo
