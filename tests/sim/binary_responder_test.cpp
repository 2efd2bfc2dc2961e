#include "sim/binary_responder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talvo::sim {
namespace {

using Replies = std::vector<std::string>;
using namespace std::string_literals;

TEST(BinaryNexStar58, HandshakeGotoAndArrivalAnnounced) {
    Mount mount({0.0, 0.0}, 4.0);
    BinaryResponder responder(mount, BinaryModel::kNexStar58);
    EXPECT_EQ(responder.Receive("?", 0.0), (Replies{"#"}));
    // 0x0800 is 11.25 degrees: 2.8125 s at 4 degrees a second; declination 0xF800 is -11.25.
    const std::string command = "R\x08\x00\xF8\x00"s;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const Replies replies = responder.Receive(command.substr(i, 1), 0.005 * static_cast<double>(i));
        EXPECT_EQ(replies, i + 1 < command.size() ? Replies{} : Replies{""});
    }
    EXPECT_NEAR(mount.Target().decDegrees, -11.25, 1e-9);
    EXPECT_EQ(responder.Tick(1.0), "");
    EXPECT_EQ(responder.Tick(2.9), "@");
    EXPECT_EQ(responder.Tick(3.0), "");  // once only
    EXPECT_EQ(responder.Receive("E", 3.0), (Replies{"\x08\x00\xF8\x00"s}));
}

TEST(BinaryNexStar58, AnEmptyDeclinationByteIsNoTerminator) {
    Mount mount({0.0, 0.0}, 4.0);
    BinaryResponder responder(mount, BinaryModel::kNexStar58);
    // Raw angle bytes may be "#", "?", "E" or NUL: they are data, not commands.
    EXPECT_EQ(responder.Receive("R\x00?#E"s, 0.0), (Replies{""}));
    EXPECT_NEAR(mount.Target().decDegrees, 0x2345 / 65536.0 * 360.0, 1e-9);
}

TEST(BinaryGt, SevenByteGotoWithoutReply) {
    Mount mount({0.0, 90.0}, 4.0);
    BinaryResponder responder(mount, BinaryModel::kGt);
    EXPECT_EQ(responder.Receive("R\x40\x00\x00\x10\x00\x00"s, 0.0), (Replies{""}));
    EXPECT_NEAR(mount.Target().raHours, 6.0, 1e-9);
    EXPECT_NEAR(mount.Target().decDegrees, 22.5, 1e-9);
    EXPECT_EQ(responder.Tick(1000.0), "");  // the GT announces nothing
    EXPECT_EQ(responder.Receive("?E", 1000.0), (Replies{"\x40\x00\x10\x00"s}));
}

}  // namespace
}  // namespace talvo::sim
