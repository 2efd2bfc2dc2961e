#include "engine/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "engine/numeric.h"
#include "engine/refraction.h"

namespace talvo {
namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;  // exact, for the reference formulas

double Radians(double degrees) { return degrees / kDegreesPerRadian; }

CurrentObject Object(double raHours, double decDegrees) {
    CurrentObject object;
    object.present = 1;
    StorePosition(object, raHours, decDegrees);
    return object;
}

double Apparent(double trueAltitude) { return trueAltitude + Refraction(trueAltitude) / 60.0; }

double DegreesApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// Whole degrees and minutes, as the entry and the telescope give an apparent position.
void SetApparent(CurrentObject& object, double altitude, double azimuth) {
    object.altitude = std::floor(altitude);
    object.altitudeMinutes = 60.0 * (altitude - std::floor(altitude));
    object.azimuth = std::floor(azimuth);
    object.azimuthMinutes = 60.0 * (azimuth - std::floor(azimuth));
}

// The formula's pole (at -5.11 degrees) is never reached: below the horizon's dip there is none.
TEST(Refraction, AtAndBelowTheHorizon) {
    EXPECT_NEAR(Refraction(45.0), 1.01, 0.01);
    EXPECT_NEAR(Refraction(90.0), 0.0, 0.01);
    EXPECT_GT(Refraction(-0.573), 30.0);
    EXPECT_EQ(Refraction(-0.574), 0.0);
    EXPECT_NEAR(InverseRefraction(0.0), 34.5, 0.1);
    EXPECT_EQ(InverseRefraction(-0.001), 0.0);
}

// Over both hemispheres, on the meridian (hour angle 0) and either side of it; -20' keeps its
// sign though its whole degrees are 0.
TEST(CalcAltAz, AgreesWithSphericalTrigonometry) {
    const double lst = 3.25;
    for (double lat : {-65.0, -33.5, 0.0, 40.5, 78.0}) {
        for (double dec : {-80.0, -45.0, -20.0, -1.0 / 3.0, 0.0, 15.0, 50.0, 80.0}) {
            for (double hourAngle = -11.25; hourAngle < 12.0; hourAngle += 1.25) {
                CurrentObject object = Object(std::fmod(lst - hourAngle + 24.0, 24.0), dec);
                CalcAltAz(object, Radians(lat), lst);
                double h = hourAngle * 15 * kRad, d = dec * kRad, p = lat * kRad;
                double alt = std::asin(std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h));
                double az = std::atan2(-std::cos(d) * std::sin(h),
                                       std::sin(d) * std::cos(p) - std::cos(d) * std::sin(p) * std::cos(h));
                SCOPED_TRACE(std::to_string(lat) + " " + std::to_string(dec) + " " +
                             std::to_string(hourAngle));
                ASSERT_NEAR(object.altitude, Apparent(alt / kRad), 1e-5);
                ASSERT_LT(DegreesApart(object.azimuth, az / kRad) * std::cos(alt), 1e-5);  // on the sky
                ASSERT_TRUE(object.azimuth >= 0.0 && object.azimuth < 360.0);
            }
        }
    }
}

// Rigorous precession from J2000 by the IAU 1976 angles; `t` in Julian centuries.
void PrecessFromJ2000(double& raHours, double& decDegrees, double t) {
    double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) / 3600.0 * kRad;
    double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) / 3600.0 * kRad;
    double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) / 3600.0 * kRad;
    double a = raHours * 15.0 * kRad, d = decDegrees * kRad;
    double x = std::cos(d) * std::sin(a + zeta);
    double y = std::cos(theta) * std::cos(d) * std::cos(a + zeta) - std::sin(theta) * std::sin(d);
    double s = std::sin(theta) * std::cos(d) * std::cos(a + zeta) + std::cos(theta) * std::sin(d);
    raHours = std::fmod((std::atan2(x, y) + z) / kRad / 15.0 + 24.0, 24.0);
    decDegrees = std::asin(s) / kRad;
}

// The first-order formulas are good to about an arc-second over a quarter century; Vega and
// Sirius, north and south.
TEST(Precess, AgreesWithRigorousPrecessionOverAQuarterCentury) {
    for (auto [raHours, decDegrees] : {std::pair{18.615649, 38.783689}, std::pair{6.752477, -16.716116}}) {
        for (double years : {25.0, -25.0}) {
            CurrentObject object = Object(raHours, decDegrees);
            Precess(object, 2000.0, 2000.0 + years, Radians(40.0));
            double ra = raHours, dec = decDegrees;
            PrecessFromJ2000(ra, dec, years / 100.0);
            double raError = (RightAscensionHours(object) - ra) * 15 * 3600 * std::cos(dec * kRad);
            EXPECT_LT(std::fabs(raError), 2.0) << raHours << " " << years;
            EXPECT_LT(std::fabs(DeclinationDegrees(object) - dec) * 3600, 2.0) << raHours << " " << years;
        }
    }
}

// Across 0 h both ways, a minute and a half of precession in 50 years.
TEST(Precess, RightAscensionWrapsIntoTheDay) {
    const struct {
        double ra, toEpoch;
        int hours;
    } cases[] = {{0.5 / 60.0, 1950.0, 23}, {23.0 + 59.5 / 60.0, 2050.0, 0}};
    for (const auto& c : cases) {
        CurrentObject object = Object(c.ra, 10.0);
        Precess(object, 2000.0, c.toEpoch, Radians(40.0));
        EXPECT_EQ(object.raHours, c.hours);
        EXPECT_NEAR(std::fabs(std::remainder(RightAscensionHours(object) - c.ra, 24.0)) * 60.0, 2.5, 1.0);
    }
}

// Horizontal -> equatorial -> horizontal over the visible sky, north and south. The altitude
// comes back within what the refraction formula and its inverse agree to (0.062').
TEST(CalcRaDecFromAltAz, RoundTripThroughCalcAltAz) {
    const double lst = 17.75;
    for (double lat : {-70.0, -33.5, 0.0, 40.5, 65.0}) {
        for (double alt = 0.5; alt < 90.0; alt += 4.5) {
            for (double az = 0.25; az < 360.0; az += 9.5) {
                CurrentObject object;
                object.present = 1;
                SetApparent(object, alt, az);
                CalcRaDecFromAltAz(object, Radians(lat), lst);
                ASSERT_TRUE(RightAscensionHours(object) >= 0.0 && RightAscensionHours(object) < 24.0);
                CalcAltAz(object, Radians(lat), lst);
                ASSERT_NEAR(object.altitude, alt, 0.08 / 60.0) << lat << " " << alt << " " << az;
                ASSERT_LT(DegreesApart(object.azimuth, az) * std::cos(alt * kRad), 1e-4)
                    << lat << " " << alt << " " << az;
            }
        }
    }
}

// The poles and the zenith give numbers; an entry on the horizon is taken as half an arc-minute up.
TEST(CalcRaDecFromAltAz, PolesZenithAndHorizon) {
    for (double lat : {90.0, -90.0}) {
        CurrentObject object = Object(4.0, 25.0);
        CalcAltAz(object, Radians(lat), 11.0);
        EXPECT_TRUE(std::isfinite(object.azimuth));
        EXPECT_NEAR(object.altitude, Apparent(lat > 0 ? 25.0 : -25.0), 1e-5);
        SetApparent(object, 30.0, 200.0);
        CalcRaDecFromAltAz(object, Radians(lat), 11.0);
        EXPECT_TRUE(std::isfinite(RightAscensionHours(object)));
        EXPECT_NEAR(std::fabs(DeclinationDegrees(object)), 30.0 - InverseRefraction(30.0) / 60.0, 1e-5);
    }
    CurrentObject zenith = Object(11.0, 40.5);
    CalcAltAz(zenith, Radians(40.5), 11.0);
    EXPECT_NEAR(zenith.altitude, 90.0, 1e-3);
    EXPECT_TRUE(std::isfinite(zenith.azimuth));
    SetApparent(zenith, 90.0, 0.0);
    CalcRaDecFromAltAz(zenith, Radians(40.5), 11.0);
    EXPECT_TRUE(std::isfinite(RightAscensionHours(zenith)));
    EXPECT_NEAR(DeclinationDegrees(zenith), 40.5, 1e-3);

    CurrentObject onHorizon, halfMinuteUp;
    SetApparent(onHorizon, 0.0, 120.0);
    SetApparent(halfMinuteUp, 1.0 / 120.0, 120.0);
    CalcRaDecFromAltAz(onHorizon, Radians(40.0), 10.0);
    CalcRaDecFromAltAz(halfMinuteUp, Radians(40.0), 10.0);
    EXPECT_DOUBLE_EQ(RightAscensionHours(onHorizon), RightAscensionHours(halfMinuteUp));
    EXPECT_DOUBLE_EQ(DeclinationDegrees(onHorizon), DeclinationDegrees(halfMinuteUp));
}

}  // namespace
}  // namespace talvo
