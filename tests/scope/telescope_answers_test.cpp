// What telescopes answer to position queries and to a slew, checked and read as TALVO takes them.
#include <gtest/gtest.h>

#include "scope/goto_exchange.h"
#include "scope/position_reads.h"

namespace talvo {
namespace {

TEST(NexStarPositionAnswer, HexAnglesOfEitherCaseGivePositionOfTheTelescope) {
    // 0x34AB = 13483 units: 13483 / 2730.666 = 4.9376 h; 0x12CE = 4814 units: 26.44 degrees.
    std::optional<GotoPosition> position = ParseNexStarPosition("34AB,12CE#");
    ASSERT_TRUE(position);
    EXPECT_EQ(position->raHours, 4);
    EXPECT_NEAR(position->raMinutes, 56.26, 0.01);
    EXPECT_EQ(position->decDegrees, 26);
    EXPECT_NEAR(position->decMinutes, 26.65, 0.01);
    EXPECT_EQ(position->decSign, 1);

    std::optional<GotoPosition> lower = ParseNexStarPosition("34ab,12ce#");
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->raHours, 4);
    EXPECT_NEAR(lower->raMinutes, position->raMinutes, 1e-9);
}

TEST(NexStarPositionAnswer, DeclinationsPast180DegreesAreSouthern) {
    // 0xF000 is 337.5 degrees: -22.5.
    std::optional<GotoPosition> position = ParseNexStarPosition("0000,F000#");
    ASSERT_TRUE(position);
    EXPECT_EQ(position->decDegrees, -22);
    EXPECT_NEAR(position->decMinutes, 30.0, 1e-4);
    EXPECT_EQ(position->decSign, 1);
    // Half a degree south keeps its sign in the flag: 0xFFA5 = 65445 units, -0.4999 degrees.
    std::optional<GotoPosition> nearEquator = ParseNexStarPosition("0000,FFA5#");
    ASSERT_TRUE(nearEquator);
    EXPECT_EQ(nearEquator->decDegrees, 0);
    EXPECT_EQ(nearEquator->decSign, -1);
    EXPECT_NEAR(nearEquator->decMinutes, 30.0, 0.05);
}

TEST(NexStarPositionAnswer, AnythingButTenBytesWithHexDigitsAndTheMarkIsRefused) {
    for (const char* answer :
         {"34AB,12CE", "34AB,12C#", "34AB,12CE#0", "34AG,12CE#", "", "#", "34AB,12CEX"}) {
        EXPECT_FALSE(ParseNexStarPosition(answer)) << answer;
    }
}

TEST(Lx200PositionAnswer, LowPrecisionRightAscensionAndDeclination) {
    std::optional<GotoPosition> position = ParseLx200RightAscension("05:34.5#");
    ASSERT_TRUE(position);
    EXPECT_EQ(position->raHours, 5);
    EXPECT_DOUBLE_EQ(position->raMinutes, 34.5);
    // The hand controls' own degree byte, a star, and a colon all separate degrees from minutes.
    for (const std::string answer : {"+37\xDF"
                                     "17#",
                                     "+37*17#", "+37:17#"}) {
        ASSERT_TRUE(ParseLx200Declination(answer, *position)) << answer;
        EXPECT_EQ(position->decDegrees, 37);
        EXPECT_DOUBLE_EQ(position->decMinutes, 17.0);
        EXPECT_EQ(position->decSign, 1);
    }
    ASSERT_TRUE(ParseLx200Declination("-00*30#", *position));
    EXPECT_EQ(position->decDegrees, 0);
    EXPECT_EQ(position->decSign, -1);
    ASSERT_TRUE(ParseLx200Declination("-05*23#", *position));
    EXPECT_EQ(position->decDegrees, -5);
    EXPECT_EQ(position->decSign, 1);
}

TEST(Lx200PositionAnswer, HighPrecisionAndGarbageAreRefused) {
    // Eight bytes of a high-precision answer ("05:34:45#") lack the mark at the end.
    for (const char* answer : {"05:34:45", "05:34.5", "24:00.0#", "05:60.0#", "ab:cd.e#", "05-34.5#"}) {
        EXPECT_FALSE(ParseLx200RightAscension(answer)) << answer;
    }
    GotoPosition position;
    for (const char* answer : {"+37*17:", "37*17#", "+91*00#", "+90*01#", "+37*6a#", "+3717#", "+37*17"}) {
        EXPECT_FALSE(ParseLx200Declination(answer, position)) << answer;
    }
}

TEST(SlewAnswer, RefusalTextFollowsTheTwoPositionAnswers) {
    EXPECT_EQ(SlewRefusalText("111Object Below Horizon#"), "Object Below Horizon");
    EXPECT_EQ(SlewRefusalText("112Object Below Higher#"), "Object Below Higher");
    EXPECT_EQ(SlewRefusalText("1Object Below Horizon#"), "Object Below Horizon");
    // Slewing, silence, or a refusal not yet complete say nothing.
    for (const char* replies : {"110", "", "11", "111Object Be", "#", "110#", "113Bad#"}) {
        EXPECT_EQ(SlewRefusalText(replies), "") << replies;
    }
}

}  // namespace
}  // namespace talvo
