#include "sim/lx200_responder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talvo::sim {
namespace {

using Replies = std::vector<std::string>;

class Lx200 : public ::testing::Test {
protected:
    // Feeds `stream` in pieces cut at `cuts` (offsets) and returns every reply, joined.
    std::string Feed(Lx200Responder& responder, const std::string& stream,
                     const std::vector<std::size_t>& cuts, double now = 0.0) {
        std::string out;
        std::size_t at = 0;
        std::vector<std::size_t> ends = cuts;
        ends.push_back(stream.size());
        for (const std::size_t end : ends) {
            for (const std::string& reply : responder.Receive(stream.substr(at, end - at), now)) out += reply;
            at = end;
        }
        return out;
    }

    Mount mount_{{0.0, 90.0}, 4.0};
};

TEST_F(Lx200, GotoAsSentSplitAtOddPlacesSetsTargetAndSlews) {
    Lx200Responder responder(mount_, {});
    const std::string stream = "#:Sr 05:34.5##:Sd -05*23##:MS#";
    EXPECT_EQ(Feed(responder, stream, {1, 2, 7, 13, 14, 19, 26, 28}), "110");
    EXPECT_TRUE(mount_.IsSlewing(0.1));
    EXPECT_NEAR(mount_.Target().raHours, 5.575, 1e-9);
    EXPECT_NEAR(mount_.Target().decDegrees, -(5.0 + 23.0 / 60.0), 1e-9);
}

TEST_F(Lx200, OneByteAtATimeAndAllInOneReadGiveTheSameReplies) {
    const std::string stream =
        ":SrHH:MM.T#:Sr12:00:00#:Sd+45\xDF"
        "30:15#:Sd 91*00#:GR#";
    Lx200Responder whole(mount_, {});
    Mount other{{0.0, 90.0}, 4.0};
    Lx200Responder bytes(other, {});
    std::vector<std::size_t> everyByte;
    for (std::size_t i = 1; i < stream.size(); ++i) everyByte.push_back(i);
    const std::string expected =
        "0110"
        "00:00.0#";
    EXPECT_EQ(Feed(whole, stream, {}), expected);
    EXPECT_EQ(Feed(bytes, stream, everyByte), expected);
}

TEST_F(Lx200, BothBlankFormsAndEverySeparatorAccepted) {
    Lx200Responder responder(mount_, {});
    EXPECT_EQ(Feed(responder,
                   ":Sr 05:34.5#:Sr05:34:30#:Sd +10*20#:Sd-10\xDF"
                   "20#:Sd+10:20:30#:Sd+10'20#",
                   {}),
              "111111");
    EXPECT_EQ(Feed(responder, ":Sr 24:00.0#:Sr 05:60.0#:Sr 5:34.5#:Sd +10*60#:Sd +10*2#:Sd +10/20#", {}),
              "000000");
}

TEST_F(Lx200, PositionRepliesInLowAndHighPrecisionWithEitherDegreeMark) {
    Mount mount{{5.5755, -5.3875}, 4.0};  // 05h34m31.8s -05 23' 15"
    Lx200Responder dfh(mount, {});
    EXPECT_EQ(Feed(dfh, ":GR#:GD#", {}),
              "05:34.5#-05\xDF"
              "23#");
    EXPECT_EQ(Feed(dfh, ":U#:GR#:GD#", {}),
              "05:34:32#-05\xDF"
              "23:15#");
    Lx200Responder star(mount, {true, '*', false, {}});
    EXPECT_EQ(Feed(star, ":GD#:U#:GD#", {}), "-05*23:15#-05*23#");
}

TEST_F(Lx200, RepliesRoundWithoutShowingSixtyMinutes) {
    Mount mount{{23.9999, 0.0}, 4.0};
    Lx200Responder responder(mount, {});
    EXPECT_EQ(Feed(responder, ":GR#:GD#", {}),
              "00:00.0#+00\xDF"
              "00#");
}

TEST_F(Lx200, RefusedSlewStopAckAndUnknownCommands) {
    Lx200Responder refusing(mount_, {false, '\xDF', true, {}});
    EXPECT_EQ(Feed(refusing, ":Sd +10*00#:MS#", {}), "11Object Below Horizon#");
    EXPECT_FALSE(mount_.IsSlewing(0.5));

    Lx200Responder responder(mount_, {});
    EXPECT_EQ(Feed(responder, ":Sd +10*00#:MS#", {}, 0.0), "10");
    EXPECT_EQ(Feed(responder, ":Q#", {}, 5.0), "");
    EXPECT_FALSE(mount_.IsSlewing(5.0));
    EXPECT_NEAR(mount_.PointingAt(9.0).decDegrees, 70.0, 1e-9);
    // The alignment query, then commands of no reply: each counts as one command.
    EXPECT_EQ(responder.Receive("\x06:Gw#:Xyz#:Q#:U#", 0.0), (Replies{"A", "", "", "", ""}));
}

TEST_F(Lx200, CommandsThatLostTheirHashAreRefusedOrDropped) {
    Lx200Responder responder(mount_, {});
    EXPECT_EQ(Feed(responder, ":Sr 05:3:GR#:GR#", {}), "000:00.0#");
    const std::string endless = ":" + std::string(500, 'x');
    EXPECT_EQ(Feed(responder, endless + "#:GD#", {}),
              "+90\xDF"
              "00#");
}

}  // namespace
}  // namespace talvo::sim
