#include "engine/display_texts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/solar_system.h"

namespace talvo {
namespace {

CurrentObject At(double altitude, double azimuth) {
    CurrentObject object;
    object.present = 1;
    object.altitude = altitude;
    object.altitudeMinutes = std::fabs(60.0 * (altitude - std::trunc(altitude)));
    object.azimuth = azimuth;
    object.azimuthMinutes = 60.0 * (azimuth - std::floor(azimuth));
    return object;
}

CurrentObject Position(int raHours, double raMinutes, int decDegrees, double decMinutes, int decSign = 1) {
    CurrentObject object;
    object.present = 1;
    object.raHours = raHours;
    object.raMinutes = raMinutes;
    object.decDegrees = decDegrees;
    object.decMinutes = decMinutes;
    object.decSign = decSign;
    return object;
}

// Minutes are never shown as 60: a site's minutes from elsewhere that one decimal would round
// to 60 keep more decimals; a position's are cut, not rounded; an azimuth carries to the next
// degree and wraps past north.
TEST(DisplayTexts, MinutesThatWouldShowSixtySignsAndCompassPoints) {
    ObserverSite site;
    site.siteFromGps = true;
    SetSite(site, 40.5, 74.2512345);
    EXPECT_EQ(LongitudeText(site), " 74\xB0 15.0741'  W");
    site.siteFromGps = false;
    site.latMinutes = 59.96;
    EXPECT_EQ(LatitudeText(site), " 40\xB0 59.96'  N");
    site.latMinutes = 59.996;
    EXPECT_EQ(LatitudeText(site), " 40\xB0 59.9960'  N");

    EXPECT_EQ(RightAscText(Position(23, 59.996, 0, 0), 2000.0), " 2000 R.A. =  23h 59.99m");
    EXPECT_EQ(DeclinationText(Position(0, 0, 12, 59.97)), "Dec =  12\xB0 59.9'");
    EXPECT_EQ(AltitudeText(At(28.999, 0)), "Altitude = 28\xB0 59'");
    EXPECT_EQ(AzimuthText(At(10.0, 89.0 + 59.6 / 60.0)), "Azimuth = 90\xB0 00'  (E)");
    EXPECT_EQ(AzimuthText(At(10.0, 359.0 + 59.7 / 60.0)), "Azimuth = 0\xB0 00'  (N)");

    // Signs between 0 and -1 degree, epochs with a fraction, no compass point below the horizon.
    EXPECT_EQ(RightAscText(Position(23, 7.0, 0, 0), 2000.5), " 2000.5 R.A. =  23h 07.00m");
    EXPECT_EQ(DeclinationText(Position(0, 0, 0, 20.0, -1)), "Dec = -0\xB0 20.0'");
    EXPECT_EQ(AltitudeText(At(-0.5, 0)), "Altitude = -00\xB0 30'");
    EXPECT_EQ(AzimuthText(At(-3.0, 137.15)), "Azimuth = 137\xB0 09'  ");
    // Compass points start at their lower bounds.
    EXPECT_EQ(CompassPoint(14.99), "(N)");
    EXPECT_EQ(CompassPoint(15.0), "(NNE)");
    EXPECT_EQ(CompassPoint(345.0), "(N)");
}

TEST(DisplayTexts, SizeDistanceMagnitudeAndMeridianAltitude) {
    CurrentObject mars;
    mars.planetIndex = 4;
    mars.distanceAU = 0.9;
    EXPECT_EQ(Name5Text(mars) + " " + Name2Text(mars), "Size= 10.40\" Distance= 0.900 AU");  // 9.36" at 1 AU

    CurrentObject moon;
    moon.planetIndex = kMoon;
    moon.moonDistanceKm = 356500.0f;
    moon.moonDiameter = 33.52f;
    EXPECT_EQ(Name5Text(moon) + " " + Name4Text(moon), "Size= 33.5'  1.08x avg Dist = 356,500.0 km ");

    CurrentObject star;  // a catalog object
    star.magnitudeText = "99";
    EXPECT_EQ(MagnitudeText(star), "Mag = Unspecified");
    star.transitLabel = "NextTransit = ";
    star.transitText = "23:41  ";
    star.meridianAltitude = 31.6;
    EXPECT_EQ(TransitTimeText(star), "NextTransit = 23:41    31.6\xB0");
}

}  // namespace
}  // namespace talvo
