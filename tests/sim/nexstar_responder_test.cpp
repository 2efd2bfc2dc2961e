#include "sim/nexstar_responder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/revolution_units.h"

namespace talvo::sim {
namespace {

using Replies = std::vector<std::string>;
using namespace std::string_literals;

std::string Joined(const Replies& replies) {
    std::string out;
    for (const std::string& reply : replies) out += reply;
    return out;
}

TEST(NexStar, GotoSentOneByteAtATimeAnswersHashAndSlews) {
    Mount mount({0.0, 90.0}, 4.0);
    NexStarResponder responder(mount, true);
    const std::string command = "R1A2B,3C4D";
    std::string out;
    for (std::size_t i = 0; i < command.size(); ++i)
        out += Joined(responder.Receive(command.substr(i, 1), i * 0.01));
    EXPECT_EQ(out, "#");
    EXPECT_NEAR(mount.Target().raHours, 0x1A2B / 65536.0 * 24.0, 1e-9);
    EXPECT_NEAR(mount.Target().decDegrees, 0x3C4D / 65536.0 * 360.0, 1e-9);
    EXPECT_TRUE(mount.IsSlewing(0.2));
    EXPECT_EQ(Joined(responder.Receive("L", 0.2)), "1#");
    EXPECT_EQ(Joined(responder.Receive("L", 100.0)), "0#");
    EXPECT_EQ(Joined(responder.Receive("E", 100.0)), "1A2B,3C4D#");
}

TEST(NexStar, LowerCaseHexTrailingNulAndNegativeDeclination) {
    Mount mount({0.0, 90.0}, 1000.0);
    NexStarResponder responder(mount, true);
    EXPECT_EQ(responder.Receive("R34ab,f000\0"s, 0.0), (Replies{"#"}));  // the NUL is skipped
    EXPECT_NEAR(mount.Target().decDegrees, -22.5, 1e-9);
    EXPECT_EQ(Joined(responder.Receive("E", 10.0)), "34AB,F000#");
    EXPECT_EQ(Joined(responder.Receive("e", 10.0)), "34AB0000,F0000000#");
}

TEST(NexStar, PreciseGotoAndReplyWithTwoZeroDigits) {
    Mount mount({0.0, 90.0}, 1000.0);
    NexStarResponder responder(mount, true);
    EXPECT_EQ(Joined(responder.Receive("r12345600,e0000000", 0.0)), "#");
    EXPECT_NEAR(mount.Target().decDegrees, -45.0, 1e-9);
    EXPECT_EQ(Joined(responder.Receive("e", 10.0)), "12345600,E0000000#");
}

TEST(NexStar, MalformedGotoIsRefusedAndTheStreamGoesOn) {
    Mount mount({3.0, 20.0}, 4.0);
    NexStarResponder responder(mount, true);
    EXPECT_EQ(responder.Receive("R1A2B;3C4DR12G4,0000Kx", 0.0), (Replies{"", "", "x#"}));
    EXPECT_EQ(mount.SlewCount(), 0);
}

TEST(NexStar, TornCommandIsDroppedAfterAPause) {
    Mount mount({0.0, 90.0}, 4.0);
    NexStarResponder responder(mount, true);
    EXPECT_TRUE(responder.Receive("R1A2", 0.0).empty());
    EXPECT_EQ(responder.Receive("J", 5.0), (Replies{"\x01#"s}));
    EXPECT_EQ(mount.SlewCount(), 0);
}

TEST(NexStar, FixedRepliesAndStop) {
    Mount mount({0.0, 0.0}, 1.0);
    NexStarResponder aligned(mount, true);
    NexStarResponder notAligned(mount, false);
    EXPECT_EQ(aligned.Receive("JKaVm", 0.0), (Replies{"\x01#"s, "a#", "\x04\x16#"s, "\x0B#"s}));
    EXPECT_EQ(notAligned.Receive("J", 0.0), (Replies{"\x00#"s}));
    EXPECT_EQ(Joined(aligned.Receive("R0000,0800", 0.0)), "#");  // 11.25 degrees at 1 a second
    EXPECT_EQ(Joined(aligned.Receive("M", 4.0)), "#");
    EXPECT_EQ(Joined(aligned.Receive("L", 4.0)), "0#");
    EXPECT_NEAR(mount.PointingAt(20.0).decDegrees, 4.0, 1e-9);
}

TEST(RevolutionUnits, RoundAndWrap) {
    EXPECT_EQ(ToUnits16({12.0, -0.001}).ra, 0x8000);
    EXPECT_EQ(ToUnits16({23.99999, -0.001}).ra, 0);
    EXPECT_EQ(ToUnits16({0.0, -0.001}).dec, 0);  // -0.18 units rounds to 0, not 0xFFFF + 1
    EXPECT_EQ(ToUnits16({0.0, -0.005}).dec, 0xFFFF);
    EXPECT_EQ(ToUnits32({0.0, -90.0}).dec, 0xC0000000u);
    EXPECT_EQ(ParseHex("00fF", 4), 0xFFu);
    EXPECT_FALSE(ParseHex("00fF", 3));
    EXPECT_FALSE(ParseHex("0x1F", 4));
}

}  // namespace
}  // namespace talvo::sim
