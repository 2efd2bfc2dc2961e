// The simulated hand controls' site and time: LX200 location queries and set commands, and the
// NexStar GPS unit behind the pass-through.
#include <gtest/gtest.h>

#include <string>

#include "sim/lx200_responder.h"
#include "sim/nexstar_responder.h"

namespace talvo::sim {
namespace {

// 2026-12-06 02:30:15 UTC.
constexpr std::int64_t kMoment = 1796524215;

SimSite Site() {
    SimSite site;
    site.latitudeDegrees = -33.5;
    site.longitudeDegrees = 285.0 - 360.0;  // 75 degrees east
    site.utcOffsetHours = 5.0;
    site.gpsDelaySeconds = 2.0;
    site.utcSeconds = [] { return kMoment; };
    return site;
}

std::string Joined(const std::vector<std::string>& replies) {
    std::string out;
    for (const std::string& reply : replies) out += reply;
    return out;
}

class SiteResponders : public ::testing::Test {
protected:
    Mount mount_{{0.0, 90.0}, 4.0};
};

TEST_F(SiteResponders, Lx200ReportsSiteOffsetAndLocalDateAndTime) {
    Lx200Settings settings;
    settings.degreeMark = '*';
    settings.site = Site();
    Lx200Responder responder(mount_, settings);
    EXPECT_EQ(Joined(responder.Receive("#:Gt#", 0.0)), "-33*30#");
    EXPECT_EQ(Joined(responder.Receive("#:Gg#", 0.0)), "-075*00#");
    EXPECT_EQ(Joined(responder.Receive("#:GG#", 0.0)), "+05.0#");
    // Local = UTC less the offset: the day before, 21:30:15.
    EXPECT_EQ(Joined(responder.Receive("#:GC#", 0.0)), "12/05/26#");
    EXPECT_EQ(Joined(responder.Receive("#:GL#", 0.0)), "21:30:15#");
}

TEST_F(SiteResponders, Lx200SetCommandsAnswerOneAndTheDateMoreLater) {
    Lx200Responder responder(mount_, {});
    EXPECT_EQ(Joined(responder.Receive("#:Sg 285*00##:St +40*30##:SG+05.0#", 0.0)), "111");
    EXPECT_EQ(Joined(responder.Receive("#:SC 12/06/26#", 1.0)), "1");
    EXPECT_EQ(responder.Tick(1.0 + kDateUpdateDelay / 2), "");
    EXPECT_EQ(responder.Tick(1.0 + kDateUpdateDelay), kDateUpdateText);
    EXPECT_EQ(responder.Tick(5.0), "");  // once only
    EXPECT_EQ(Joined(responder.Receive("#:SL 21:04:09#", 5.0)), "1");
}

TEST_F(SiteResponders, NexStarGpsLinksAfterItsDelay) {
    NexStarResponder responder(mount_, true, Site());
    const std::string link("P\x01\xB0\x37\x00\x00\x00\x01", 8);
    const std::string timeValid("P\x01\xB0\x36\x00\x00\x00\x01", 8);
    EXPECT_EQ(Joined(responder.Receive(link, 10.0)), std::string("\x00#", 2));
    EXPECT_EQ(Joined(responder.Receive(timeValid, 11.0)), std::string("\x00#", 2));
    EXPECT_EQ(Joined(responder.Receive(link, 12.0)), "\x01#");
    EXPECT_EQ(Joined(responder.Receive(timeValid, 12.0)), "\x01#");
}

TEST_F(SiteResponders, NexStarGpsDateTimeAndSite) {
    NexStarResponder responder(mount_, true, Site());
    const auto ask = [&](char id, char length) {
        return Joined(responder.Receive(std::string{'P', '\x01', '\xB0', id, '\0', '\0', '\0', length}, 0.0));
    };
    EXPECT_EQ(ask(3, 2), std::string("\x0C\x06#", 3));       // December 6 UTC
    EXPECT_EQ(ask(4, 2), std::string("\x07\xEA#", 3));       // 2026
    EXPECT_EQ(ask(51, 3), std::string("\x02\x1E\x0F#", 4));  // 02:30:15
    // -33.5: 180 - 33.5 = 146.5 degrees, 6827395 units, with the sign bit.
    EXPECT_EQ(ask(1, 3), std::string("\xE8\x2D\x83#", 4));
    // Another device behind the pass-through answers nothing.
    EXPECT_EQ(Joined(responder.Receive(std::string("P\x01\x10\x01\x00\x00\x00\x03", 8), 0.0)), "");
}

}  // namespace
}  // namespace talvo::sim
