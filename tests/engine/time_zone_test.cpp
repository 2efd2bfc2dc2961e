#include "engine/time_zone.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fixed_time_zone.h"

namespace talvo {
namespace {

using platform::ZoneInformation;

platform::FixedTimeZone Zone(ZoneInformation::State state, long biasMinutes) {
    ZoneInformation info;
    info.state = state;
    info.bias = biasMinutes;
    info.daylightBias = -60;
    return platform::FixedTimeZone(info);
}

std::string ZoneName(const platform::TimeZone& zone, bool noDaylightSaving = false) {
    ObserverSite site;
    site.noDaylightSaving = noDaylightSaving;
    site.utcOffsetHours = GetUtcOffset(site, zone);
    ClockState clock;
    GetZoneName(clock, site, zone);
    return {clock.zoneLetter1, clock.zoneLetter2, clock.zoneLetter3};
}

TEST(GetUtcOffset, AddsTheBiasInForce) {
    ObserverSite site;
    EXPECT_FLOAT_EQ(GetUtcOffset(site, Zone(ZoneInformation::Daylight, 300)), 4.0f);
    EXPECT_DOUBLE_EQ(site.standardOffsetHours, 5.0);
    EXPECT_FLOAT_EQ(GetUtcOffset(site, Zone(ZoneInformation::Standard, 300)), 5.0f);
    EXPECT_FLOAT_EQ(GetUtcOffset(site, Zone(ZoneInformation::Invalid, 480)), 8.0f);  // as standard
    EXPECT_DOUBLE_EQ(site.standardOffsetHours, 8.0);
    EXPECT_FLOAT_EQ(GetUtcOffset(site, Zone(ZoneInformation::Daylight, -570)), -10.5f);
    EXPECT_DOUBLE_EQ(site.standardOffsetHours, -9.5);

    EXPECT_TRUE(IsDaylightTime(Zone(ZoneInformation::Daylight, 300)));
    EXPECT_FALSE(IsDaylightTime(Zone(ZoneInformation::Invalid, 300)));
    EXPECT_FALSE(IsDaylightTime(Zone(ZoneInformation::Unknown, 300)));
}

TEST(GetZoneName, LettersFromTheStandardOffsetAndDaylightState) {
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Daylight, 300)), "EDT");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Standard, 300)), "EST");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Daylight, 300), true), "EST");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Invalid, 480)), "PST");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Unknown, 600)), "HST");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Daylight, 0)), "BST");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Standard, -60)), "CET");
    // Fractional offsets round down: 5.5 west is the row of 5, 9.5 east the row of 10 east.
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Standard, 330)), "EST");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Daylight, -570)), "AED");
    // Offsets without a row.
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Daylight, 120)), "UNK");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Standard, -330)), "UNK");
    EXPECT_EQ(ZoneName(Zone(ZoneInformation::Standard, 660)), "UNK");
}

}  // namespace
}  // namespace talvo
