#include "engine/rise_set.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/solar_system.h"

namespace talvo {
namespace {

// On the equator an object on the celestial equator crosses the horizon at an hour angle equal
// to the zenith distance of the crossing: 90.57333 degrees, or 90.82333 for the Sun and the Moon.
constexpr double kStarCrossing = 90.57333 / 15.0;     // hours
constexpr double kSunMoonCrossing = 90.82333 / 15.0;  // hours

double Radians(double degrees) { return degrees / kDegreesPerRadian; }

// An object at `raHours`, `decDegrees`, whose last altitude was `altitude`, seen from `latitude`
// at local clock time hh:mm:ss and local sidereal time `lst`.
CurrentObject Compute(double raHours, double decDegrees, double altitude, double latitude, int hh, int mm,
                      int ss, double lst, int planetIndex = -1) {
    CurrentObject object;
    object.present = 1;
    object.planetIndex = planetIndex;
    StorePosition(object, raHours, decDegrees);
    object.altitude = altitude;
    ClockState clock;
    clock.hour = hh;
    clock.minute = mm;
    clock.second = ss;
    clock.localSiderealTime = lst;
    CalcRiseTransitSet(object, Radians(latitude), clock);
    return object;
}

std::string Rise(const CurrentObject& object) { return object.riseLabel + object.riseText; }
std::string Transit(const CurrentObject& object) { return object.transitLabel + object.transitText; }
std::string Set(const CurrentObject& object) { return object.setLabel + object.setText; }

bool IsTime(const std::string& text) { return std::regex_match(text, std::regex(R"(\d\d:\d\d(  | \+| -))")); }

// An object on the celestial equator, seen from the equator, at a clock time and sidereal time.
CurrentObject OnTheEquator(double altitude, int hh, int mm, double lst, int planetIndex = -1) {
    return Compute(12.0, 0.0, altitude, 0.0, hh, mm, 0, lst, planetIndex);
}

TEST(RiseTransitSet, TransitNowAndDayMarkersAcrossMidnight) {
    EXPECT_EQ(Transit(Compute(7.25, 20.0, 60.0, 40.0, 21, 30, 0, 7.25)), "NextTransit = 21:30  ");

    const double rise = 12.0 - kStarCrossing, set = 12.0 + kStarCrossing;
    // Four sidereal hours (3.9892 clock hours) either side of midnight.
    EXPECT_EQ(Rise(OnTheEquator(-10.0, 22, 0, rise - 4.0)), "NextRise = 01:59 +");
    EXPECT_EQ(Rise(OnTheEquator(10.0, 1, 0, rise + 4.0)), "Rose At = 21:01 -");
    EXPECT_EQ(Set(OnTheEquator(10.0, 22, 0, set - 4.0)), "Sets At = 01:59 +");
    EXPECT_EQ(Set(OnTheEquator(-10.0, 1, 0, set + 4.0)), "Last Set = 21:01 -");
    EXPECT_EQ(Transit(OnTheEquator(-10.0, 22, 0, 6.0)), "NextTransit = 03:59 +");
    EXPECT_EQ(Transit(OnTheEquator(-10.0, 1, 0, 18.0)), "LastTransit = 19:01 -");
    // Set two hours ago: the next rise is tomorrow morning, earlier on the clock than now.
    CurrentObject tomorrow = OnTheEquator(-10.0, 20, 0, set + 2.0);
    EXPECT_EQ(tomorrow.riseLabel + tomorrow.riseText.substr(5), "NextRise =  +");
    // Up, with the rise just ahead of now: yesterday's only beyond 36 seconds.
    EXPECT_EQ(Rise(OnTheEquator(0.1, 21, 30, rise - 0.005)), "Rose At = 21:30  ");  // 18 s ahead
    CurrentObject early = OnTheEquator(0.1, 21, 30, rise - 0.02);                   // 72 s ahead
    EXPECT_EQ(early.riseLabel + early.riseText.substr(5), "Rose At =  -");
}

// The Sun rises a minute earlier and sets a minute later than a star or a planet in the same
// place; the Moon's clock runs at its own rate.
TEST(RiseTransitSet, SunMoonAndPlanets) {
    EXPECT_EQ(Rise(OnTheEquator(-5.0, 0, 0, 0.0)), "NextRise = 05:57  ");
    EXPECT_EQ(Rise(OnTheEquator(-5.0, 0, 0, 0.0, kSun)), "NextRise = 05:56  ");
    EXPECT_EQ(Set(OnTheEquator(90.0, 0, 0, 12.0, kSun)), "Sets At = 06:02  ");

    CurrentObject moon = Compute(12.0, 0.0, 40.0, 0.0, 21, 30, 20, 12.0 - kSunMoonCrossing + 3.0, kMoon);
    EXPECT_EQ(Rise(moon), "Rose At = 18:24  ");  // 3.1098 clock hours ago
    EXPECT_EQ(Transit(moon), "NextTransit = 00:40 +");
}

// At each latitude a declination just past the limit is always up, its mirror never rises and
// one just short of the limit rises and sets (at the north pole too: times, never "nan").
TEST(RiseTransitSet, CircumpolarAndNeverRisingAtBothHemispheres) {
    const struct {
        double latitude, alwaysUp, risesAndSets;
    } cases[] = {{40.5, 49.6, 48.5}, {-33.87, -56.2, -55.0}, {90.0, 0.5, 0.0}, {-90.0, -0.5, NAN}};
    for (const auto& c : cases) {
        for (double altitude : {-1.0, 1.0}) {
            SCOPED_TRACE(c.latitude);
            CurrentObject up = Compute(3.0, c.alwaysUp, altitude, c.latitude, 21, 30, 0, 1.0);
            EXPECT_EQ(Rise(up) + "|" + Transit(up) + "|" + Set(up),
                      "RiseTime = Always Up|NextTransit = 23:30  |Sets At = Never");
            CurrentObject never = Compute(3.0, -c.alwaysUp, altitude, c.latitude, 21, 30, 0, 1.0);
            EXPECT_EQ(Rise(never) + "|" + Transit(never) + "|" + Set(never),
                      "RiseTime = Never Rises|   |Sets At = Never");
            if (std::isnan(c.risesAndSets)) continue;
            CurrentObject both = Compute(3.0, c.risesAndSets, altitude, c.latitude, 21, 30, 0, 1.0);
            EXPECT_TRUE(IsTime(both.riseText) && IsTime(both.setText) && IsTime(both.transitText))
                << Rise(both) << "|" << Transit(both) << "|" << Set(both);
        }
    }
}

TEST(RiseTransitSet, TimeTextsNeverShowSixtyMinutes) {
    EXPECT_EQ(RiseSetTimeText(5.0 + 59.5 / 60.0, " +"), "05:59 +");
    EXPECT_EQ(RiseSetTimeText(23.99999, " -"), "23:59 -");
    EXPECT_EQ(RiseSetTimeText(13.0 + 15.5 / 60.0, "  "), "13:16  ");
}

}  // namespace
}  // namespace talvo
