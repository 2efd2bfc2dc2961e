// The observer's site (its angles, fields and date order) and the time zone's offset and letters.
#include "engine/observer_site.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "engine/time_zone.h"

namespace talvo {
namespace {

// Minutes that would show as 60.0 carry into the degrees; between 0 and -1 degree the sign
// sits apart from the degrees.
TEST(SplitSiteAngle, SignsAndTheCarryOfMinutesThatWouldShowAs60) {
    auto parts = [](double value) {
        SiteAngleParts p = SplitSiteAngle(value);
        char text[40];
        std::snprintf(text, sizeof text, "%d %.6f %d '%s'", p.degrees, p.minutes, p.sign, p.signText.c_str());
        return std::string(text);
    };
    EXPECT_EQ(parts(-0.5), "0 30.000000 -1 '-'");
    EXPECT_EQ(parts(-74.25), "-74 15.000000 1 '-'");
    EXPECT_EQ(parts(40.9995), "41 0.000000 1 ''");  // 59.97'
    EXPECT_EQ(parts(-0.9995), "-1 0.000000 1 '-'");
}

TEST(SetSite, FieldsFromDegreesAndFromRadiansAgree) {
    for (double lat = -89.75; lat < 90.0; lat += 7.25) {
        for (double lon = -179.5; lon < 180.0; lon += 11.75) {
            ObserverSite site;
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
    for (auto [lat, lonWest, us] : {std::tuple{30.0, 97.0, true},
                                    {30.0, 120.0, false},
                                    {32.0, 56.0, true},
                                    {24.0, 115.0, false},
                                    {23.5, 80.0, false},
                                    {35.0, -139.0, false}}) {
        ObserverSite site;
        SetSite(site, lat, lonWest);
        EXPECT_EQ(UsesUsDateOrder(site), us) << lat << " N " << lonWest << " W";
    }
}

// The offset adds the bias in force (an invalid state counts as standard time); the letters
// come from the standard offset rounded down, in the daylight form unless the site keeps none.
TEST(TimeZone, OffsetAndLettersFromTheBiasAndDaylightState) {
    using Z = ZoneInformation;
    for (auto [state, bias, noDaylightSaving, offset, standard, letters] :
         {std::tuple{Z::Daylight, 300, false, 4.0f, 5.0f, "EDT"},
          {Z::Daylight, 300, true, 4.0f, 5.0f, "EST"},
          {Z::Invalid, 480, false, 8.0f, 8.0f, "PST"},
          {Z::Standard, 330, false, 5.5f, 5.5f, "EST"},
          {Z::Daylight, -570, false, -10.5f, -9.5f, "AED"},
          {Z::Daylight, 120, false, 1.0f, 2.0f, "UNK"},
          {Z::Unknown, -330, false, -5.5f, -5.5f, "UNK"}}) {
        ZoneInformation zone;
        zone.state = state;
        zone.bias = bias;
        zone.daylightBias = -60;
        ObserverSite site;
        site.noDaylightSaving = noDaylightSaving;
        site.utcOffsetHours = GetUtcOffset(site, zone);
        ClockState clock;
        GetZoneName(clock, site, zone);
        EXPECT_FLOAT_EQ(site.utcOffsetHours, offset) << bias;
        EXPECT_FLOAT_EQ(site.standardOffsetHours, standard) << bias;
        EXPECT_EQ(std::string({clock.zoneLetter1, clock.zoneLetter2, clock.zoneLetter3}), letters) << bias;
    }
}

}  // namespace
}  // namespace talvo
