// What telescopes answer to position queries and to a slew, checked and read as TALVO takes them.
#include <gtest/gtest.h>

#include "scope/goto_exchange.h"
#include "scope/position_reads.h"

namespace talvo {
namespace {

// Hex angles of either case; declinations past 180 degrees are southern, and half a degree south
// keeps its sign in the flag.
TEST(NexStarPositionAnswer, HexAnglesGiveThePositionOfTheTelescope) {
    const struct {
        const char* answer;
        GotoPosition p;
    } rows[] = {
        {"34AB,12CE#", {4, 56.26, 26, 26.65, 1}},  // 13483 units: 4.9376 h; 4814 units: 26.44 degrees
        {"34ab,12ce#", {4, 56.26, 26, 26.65, 1}},
        {"0000,F000#", {0, 0.0, -22, 30.0, 1}},  // 337.5 degrees
        {"0000,FFA5#", {0, 0.0, 0, 30.0, -1}},   // 65445 units: -0.4999 degrees
    };
    for (const auto& r : rows) {
        const std::optional<GotoPosition> p = ParseNexStarPosition(r.answer);
        ASSERT_TRUE(p) << r.answer;
        EXPECT_EQ(p->raHours, r.p.raHours) << r.answer;
        EXPECT_NEAR(p->raMinutes, r.p.raMinutes, 0.01) << r.answer;
        EXPECT_EQ(p->decDegrees, r.p.decDegrees) << r.answer;
        EXPECT_NEAR(p->decMinutes, r.p.decMinutes, 0.05) << r.answer;
        EXPECT_EQ(p->decSign, r.p.decSign) << r.answer;
    }
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

TEST(RepeatedQuery, TheLastCompleteAnswerCounts) {
    EXPECT_EQ(LastAnswer("00:42.7#00:42.7#"), "00:42.7#");
    EXPECT_EQ(LastAnswer("2.7#+41*25#"), "+41*25#");  // the end of an earlier answer, then this one
    EXPECT_EQ(LastAnswer("00:42.7#00:4"), "00:42.7#");
    EXPECT_EQ(LastAnswer("00:42:44#"), "00:42:44#");  // a wrong answer is shown whole
    EXPECT_EQ(LastAnswer("\x01#"), "\x01#");
    EXPECT_EQ(LastAnswer("05:3"), "05:3");
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
