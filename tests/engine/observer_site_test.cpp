// The observer's site (its angles, fields and date order) and the time zone's offset and letters.
#include "engine/observer_site.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/time_zone.h"

namespace talvo {
namespace {

void ExpectParts(double value, int degrees, double minutes, int sign, const char* signText) {
    SiteAngleParts parts = SplitSiteAngle(value);
    EXPECT_EQ(parts.degrees, degrees) << value;
    EXPECT_NEAR(parts.minutes, minutes, 1e-9) << value;
    EXPECT_EQ(parts.sign, sign) << value;
    EXPECT_EQ(parts.signText, signText) << value;
}

TEST(SplitSiteAngle, SignsAndTheCarryOfMinutesThatWouldShowAs60) {
    ExpectParts(-0.5, 0, 30.0, -1, "-");
    ExpectParts(0.5, 0, 30.0, 1, "");
    ExpectParts(-74.25, -74, 15.0, 1, "-");
    ExpectParts(40.9995, 41, 0.0, 1, "");   // 59.97'
    ExpectParts(-0.9995, -1, 0.0, 1, "-");  // the whole degrees now hold the sign
    ExpectParts(40.99, 40, 59.4, 1, "");
}

TEST(SetSite, FieldsFromDegreesAndFromRadiansAgree) {
    ObserverSite site;
    SetSite(site, 40.0, -0.5);
    EXPECT_EQ(site.latDegrees, 40);
    EXPECT_EQ(site.latMinutes, 0.0);
    EXPECT_EQ(site.lonSign, -1);
    EXPECT_LT(site.longitude, 0.0);
    for (double lat = -89.75; lat < 90.0; lat += 7.25) {
        for (double lon = -179.5; lon < 180.0; lon += 11.75) {
            SetSite(site, lat, lon);
            ObserverSite derived = site;
            DeriveSiteFields(derived);
            ASSERT_EQ(derived.latDegrees, site.latDegrees) << lat;
            ASSERT_NEAR(derived.latMinutes, site.latMinutes, 1e-6) << lat;
            ASSERT_EQ(derived.latSignText, site.latSignText) << lat;
            ASSERT_EQ(derived.lonDegrees, site.lonDegrees) << lon;
            ASSERT_NEAR(derived.lonMinutes, site.lonMinutes, 1e-6) << lon;
            ASSERT_EQ(derived.lonSign, site.lonSign) << lon;
        }
    }
}

TEST(UsesUsDateOrder, SitesInTheUnitedStates) {
    struct Case {
        double lat, lonWest;
        bool us;
    } cases[] = {{30, 97, true},   {30, 120, false},  {51, 0, false},   {32, 56, true},   {61, 150, true},
                 {24, 115, false}, {23.5, 80, false}, {-33, 70, false}, {35, -139, false}};
    for (const Case& c : cases) {
        ObserverSite site;
        SetSite(site, c.lat, c.lonWest);
        EXPECT_EQ(UsesUsDateOrder(site), c.us) << c.lat << " N " << c.lonWest << " W";
    }
}

ZoneInformation Zone(ZoneInformation::State state, long biasMinutes) {
    ZoneInformation info;
    info.state = state;
    info.bias = biasMinutes;
    info.daylightBias = -60;
    return info;
}

std::string ZoneName(const ZoneInformation& zone, bool noDaylightSaving = false) {
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
