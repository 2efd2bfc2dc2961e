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

TEST(DisplayTexts, SiteFields) {
    ObserverSite site;
    site.siteFromGps = true;
    SetSite(site, 40.5, 74.2512345);
    EXPECT_EQ(LatitudeText(site), " 40\xB0 30.0000'  N");
    EXPECT_EQ(LongitudeText(site), " 74\xB0 15.0741'  W");

    // Minutes from elsewhere that one decimal would round to 60.
    site.siteFromGps = false;
    site.latMinutes = 59.96;
    EXPECT_EQ(LatitudeText(site), " 40\xB0 59.96'  N");
    site.latMinutes = 59.996;
    EXPECT_EQ(LatitudeText(site), " 40\xB0 59.9960'  N");
}

TEST(DisplayTexts, RightAscensionAndDeclination) {
    CurrentObject object = Position(5, 35.28, 0, 0.0);
    EXPECT_EQ(RightAscText(object, 2027.0), " 2027 R.A. =  5h 35.28m");
    EXPECT_EQ(RightAscText(object, 2000.5), " 2000.5 R.A. =  5h 35.28m");
    object.planetIndex = 3;  // the Moon
    EXPECT_EQ(RightAscText(object, 2027.0), "Topocentric R.A. =  5h 35.28m");
    EXPECT_EQ(RightAscText(Position(23, 59.996, 0, 0), 2000.0), " 2000 R.A. =  23h 59.99m");
    EXPECT_EQ(RightAscText(Position(23, 7.0, 0, 0), 2000.0), " 2000 R.A. =  23h 07.00m");

    EXPECT_EQ(DeclinationText(Position(0, 0, -5, 23.4)), "Dec = -5\xB0 23.4'");
    EXPECT_EQ(DeclinationText(Position(0, 0, 0, 20.0, -1)), "Dec = -0\xB0 20.0'");
    EXPECT_EQ(DeclinationText(Position(0, 0, 0, 20.0)), "Dec =  0\xB0 20.0'");
    EXPECT_EQ(DeclinationText(Position(0, 0, 12, 59.97)), "Dec =  12\xB0 59.9'");
    EXPECT_EQ(DeclinationText(Position(0, 0, -12, 5.0)), "Dec = -12\xB0 05.0'");
}

TEST(DisplayTexts, AltitudeAndAzimuth) {
    EXPECT_EQ(AltitudeText(At(41.1167, 0)), "Altitude = 41\xB0 07'");
    EXPECT_EQ(AltitudeText(At(-0.5, 0)), "Altitude = -00\xB0 30'");
    EXPECT_EQ(AltitudeText(At(28.999, 0)), "Altitude = 28\xB0 59'");  // 59.94' held at 59

    EXPECT_EQ(AzimuthText(At(30.0, 137.15)), "Azimuth = 137\xB0 09'  (SE)");
    EXPECT_EQ(AzimuthText(At(-3.0, 137.15)), "Azimuth = 137\xB0 09'  ");
    EXPECT_EQ(AzimuthText(At(10.0, 89.0 + 59.6 / 60.0)), "Azimuth = 90\xB0 00'  (E)");
    EXPECT_EQ(AzimuthText(At(10.0, 359.0 + 59.7 / 60.0)), "Azimuth = 0\xB0 00'  (N)");
}

TEST(DisplayTexts, CompassPointsStartAtTheirLowerBounds) {
    EXPECT_EQ(CompassPoint(14.99), "(N)");
    EXPECT_EQ(CompassPoint(344.9), "(NNW)");
    EXPECT_EQ(CompassPoint(345.0), "(N)");
    const char* points[] = {"(N)", "(NNE)", "(NE)", "(ENE)", "(E)", "(ESE)", "(SE)", "(SSE)",
                            "(S)", "(SSW)", "(SW)", "(WSW)", "(W)", "(WNW)", "(NW)", "(NNW)"};
    const double starts[] = {0, 15, 30, 60, 75, 105, 120, 150, 165, 195, 210, 240, 255, 285, 300, 330};
    for (int i = 1; i < 16; ++i) {
        EXPECT_EQ(CompassPoint(starts[i]), points[i]);
        EXPECT_EQ(CompassPoint(starts[i] - 0.01), points[i - 1]);
    }
}

TEST(DisplayTexts, SizeDistanceMagnitudeAndMeridianAltitude) {
    CurrentObject body;
    auto at = [&body](int index, double au) {
        body.planetIndex = index;
        body.distanceAU = au;
        return Name5Text(body) + " " + Name2Text(body);
    };
    EXPECT_EQ(at(4, 1.0), "Size= 9.360\" Distance= 1.000 AU");  // Mars: 9.36" at 1 AU
    EXPECT_EQ(at(4, 0.9), "Size= 10.40\" Distance= 0.900 AU");
    EXPECT_EQ(at(9, 36.3), "Size= 0.090\" Distance= 36.30 AU");
    EXPECT_EQ(at(6, 9.9949), "Size= 16.55\" Distance= 9.995 AU");
    EXPECT_EQ(at(kSun, 1.0), "Size= 32.0' Distance= 1.000 AU");

    CurrentObject moon;
    moon.planetIndex = kMoon;
    moon.moonDistanceKm = 356500.0f;
    moon.moonDiameter = 33.52f;
    EXPECT_EQ(Name5Text(moon) + " " + Name4Text(moon), "Size= 33.5'  1.08x avg Dist = 356,500.0 km ");

    CurrentObject star;  // a catalog object
    star.magnitudeText = "99";
    EXPECT_EQ(MagnitudeText(star), "Mag = Unspecified");
    star.magnitudeText = "12.3";
    EXPECT_EQ(MagnitudeText(star), "Mag = 12.3");
    star.transitLabel = "NextTransit = ";
    star.transitText = "23:41  ";
    star.meridianAltitude = 31.6;
    EXPECT_EQ(TransitTimeText(star), "NextTransit = 23:41    31.6\xB0");
}

}  // namespace
}  // namespace talvo
