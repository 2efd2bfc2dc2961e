// The Sun's longitude and the Moon: the 1975 theory of phase and elongation, and the perturbed
// lunar orbit of P. Schlyter's "How to compute planetary positions" for the position.
#include <cmath>
#include <string>

#include "engine/constellations.h"
#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"

namespace talvo {

namespace {

// Elements of epoch 1975 (single precision, as the tables have always been held).
constexpr float kSunLongitudeAtEpoch = 279.04147f;  // degrees
constexpr float kSunPerigeeLongitude = 282.5104f;   // degrees
constexpr float kSunEccentricity = 0.01675104f;
constexpr float kMoonMeanLongitudeAtEpoch = 125.0f;  // degrees
constexpr float kMoonPerigeeAtEpoch = 145.9601f;     // degrees
constexpr float kMoonNodeAtEpoch = 248.6441f;        // degrees
constexpr float kMoonInclination = 5.1453f;          // degrees

constexpr double kEarthRadiusKm = 6378.14;
constexpr double kMoonRadiusKm = 1738.0;

double SinDeg(double degrees) { return std::sin(degrees / kDegreesPerRadian); }
double CosDeg(double degrees) { return std::cos(degrees / kDegreesPerRadian); }

// atan(y/x) taken in the quadrant of (x, y), in 0..2 pi.
double Quadrant(double y, double x) {
    double angle = std::atan2(y, x);
    return angle < 0.0 ? angle + 2.0 * kPi : angle;
}

const char* PhaseName(double phaseAngle) {
    struct Phase {
        double below;
        const char* name;
    };
    static constexpr Phase kPhases[] = {
        {25, "  New   "},  {65, "Wax Cres"},  {115, "1st  Qtr"}, {155, "Wax Gibb"},
        {205, "  Full  "}, {245, "Wan Gibb"}, {295, "Last Qtr"}, {335, "Wan Cres"},
    };
    for (const Phase& phase : kPhases) {
        if (phaseAngle < phase.below) return phase.name;
    }
    return "  New   ";
}

// Schlyter's day number (days from 2000 January 0.0 UT) for the clock's UT moment. The integer
// formula is right from March 1900 to February 2100; the corrections extend it to 2199.
double MoonDayNumber(const ClockState& clock) {
    long y = clock.year, m = clock.month, dm = clock.day;
    double d = 367 * y - (7 * (y + (m + 9) / 12)) / 4 + (275 * m) / 9 + dm - 730530 +
               (clock.utHour + clock.minute / 60.0) / 24.0;
    if (clock.utNextDay) d += 1;
    if (clock.utPreviousDay) d -= 1;
    if (clock.year > 2100) d -= 1;
    if (clock.year == 2100 && clock.month >= 3) d -= 1;
    return d;
}

}  // namespace

void StoreConstellation(CurrentObject& object, double raHours, double decDegrees) {
    int row = FindConstellationRow(static_cast<float>(raHours), static_cast<float>(decDegrees));
    object.constellation = row == 0 ? std::string() : BuildConstellationTable().rows[row].substr(32, 12);
    object.constellationAbbreviation = ConstellationAbbreviation(row);
}

SunLongitude CalcSunLongitude(ClockState& clock) {
    CalcDays1975(clock);
    double days = clock.daysSince1975;
    double n = Revolution(360.0 * days / 365.25);
    SunLongitude sun;
    sun.meanAnomaly = n + kSunLongitudeAtEpoch - kSunPerigeeLongitude;
    if (sun.meanAnomaly < 0.0) sun.meanAnomaly += 360.0;
    double centre = (360.0 / kPi) * kSunEccentricity * SinDeg(sun.meanAnomaly);
    sun.longitude = n + centre + kSunLongitudeAtEpoch;
    while (sun.longitude >= 360.0) sun.longitude -= 360.0;
    return sun;
}

void StoreElongation(CurrentObject& object, double eastwardDegrees) {
    double e = eastwardDegrees;
    bool morning = e > 180.0;
    if (morning) e = 360.0 - e;
    long whole = static_cast<long>(Int(e + 0.5));  // half up
    object.elongation = e;
    object.elongationDegrees = StrInt(whole);
    // Three columns of degrees, right-aligned, the degree sign, then the side of the Sun.
    std::string degrees = object.elongationDegrees;
    if (degrees.size() > 3) degrees = degrees.substr(degrees.size() - 3);
    object.elongationText =
        std::string(3 - degrees.size(), ' ') + degrees + kDegreeSign + (morning ? " Morning" : " Evening");
}

void CalcPhaseAndElongation(CurrentObject& object, const ClockState& clock, const SunLongitude& sun) {
    const double days = clock.daysSince1975;
    const double k = 360.0 / 365.2422;
    double l = Revolution((360.0 / 27.32147) * days + kMoonMeanLongitudeAtEpoch);  // mean longitude
    double mm = l - k * days / 8.850001 - kMoonPerigeeAtEpoch;                     // mean anomaly
    mm = Revolution(mm);
    double node = Revolution(kMoonNodeAtEpoch - k * days / 18.61);

    double evection = 1.274 * SinDeg(2.0 * (l - sun.longitude) - mm);
    double annual = 0.186 * SinDeg(sun.meanAnomaly);
    double a3 = 0.37 * SinDeg(sun.meanAnomaly);
    double correctedAnomaly = mm + evection - annual - a3;
    double centre = 6.289 * SinDeg(correctedAnomaly);
    double l1 = l + evection + centre - annual;
    double variation = 0.658 * SinDeg(2.0 * (l1 - sun.longitude));
    double trueLongitude = l1 + variation;
    double correctedNode = node - 0.16 * SinDeg(sun.meanAnomaly);

    // atan(tan(x) cos i) kept in the half-turn of x.
    double x = trueLongitude - correctedNode;
    double projected = std::atan2(SinDeg(x) * CosDeg(kMoonInclination), CosDeg(x)) * kDegreesPerRadian;
    double moonLongitude = Revolution(correctedNode + projected);

    double phase = moonLongitude - sun.longitude;
    if (phase < 0.0) phase += 360.0;
    object.phaseAngle = phase;
    object.phaseName = PhaseName(phase);
    StoreElongation(object, phase);
}

void CalcMoonPosition(CurrentObject& object, const ClockState& clock, double latitude) {
    const double d = MoonDayNumber(clock);
    auto rad = [](double degrees) { return Rev2Pi(degrees * kRadiansPerDegree); };

    // Orbital elements of the Moon (angles radians, distance Earth radii) and of the Sun.
    double node = rad(125.1228 - 0.0529538083 * d);
    double inclination = 5.1454 * kRadiansPerDegree;
    double perigee = rad(318.0634 + 0.1643573223 * d);
    double a = 60.2666;
    double e = 0.0549;
    double meanAnomaly = rad(115.3654 + 13.0649929509 * d);
    double sunPerihelion = rad(282.9404 + 0.0000470935 * d);
    double sunMeanAnomaly = rad(356.047 + 0.9856002585 * d);

    // One step for the eccentric anomaly: enough at the Moon's eccentricity.
    double ecc = meanAnomaly + e * std::sin(meanAnomaly) * (1.0 + e * std::cos(meanAnomaly));
    double x = a * (std::cos(ecc) - e);
    double y = a * std::sqrt(1.0 - e * e) * std::sin(ecc);
    double r = std::sqrt(x * x + y * y);
    double v = Quadrant(y, x);

    double xe = r * (std::cos(node) * std::cos(v + perigee) -
                     std::sin(node) * std::sin(v + perigee) * std::cos(inclination));
    double ye = r * (std::sin(node) * std::cos(v + perigee) +
                     std::cos(node) * std::sin(v + perigee) * std::cos(inclination));
    double ze = r * std::sin(v + perigee) * std::sin(inclination);
    double longitude = Quadrant(ye, xe) * kDegreesPerRadian;
    double latitudeEcl = std::atan2(ze, std::sqrt(xe * xe + ye * ye)) * kDegreesPerRadian;

    double sunLongitude = sunMeanAnomaly + sunPerihelion;
    double moonLongitude = meanAnomaly + perigee + node;
    double elongation = moonLongitude - sunLongitude;  // D
    double argument = moonLongitude - node;            // F
    const double& m = meanAnomaly;
    const double& ms = sunMeanAnomaly;

    longitude += -1.274 * std::sin(m - 2 * elongation) + 0.658 * std::sin(2 * elongation) -
                 0.186 * std::sin(ms) - 0.059 * std::sin(2 * m - 2 * elongation) -
                 0.057 * std::sin(m - 2 * elongation + ms) + 0.053 * std::sin(m + 2 * elongation) +
                 0.046 * std::sin(2 * elongation - ms) + 0.041 * std::sin(m - ms) -
                 0.035 * std::sin(elongation) - 0.031 * std::sin(m + ms) -
                 0.015 * std::sin(2 * argument - 2 * elongation) + 0.011 * std::sin(m - 4 * elongation);
    latitudeEcl += -0.173 * std::sin(argument - 2 * elongation) -
                   0.055 * std::sin(m - argument - 2 * elongation) -
                   0.046 * std::sin(m + argument - 2 * elongation) +
                   0.033 * std::sin(argument + 2 * elongation) + 0.017 * std::sin(2 * m + argument);
    r += -0.58 * std::cos(m - 2 * elongation) - 0.46 * std::cos(2 * elongation);

    // Ecliptic to equatorial, of date.
    double lon = longitude * kRadiansPerDegree;
    double lat = latitudeEcl * kRadiansPerDegree;
    double xg = r * std::cos(lon) * std::cos(lat);
    double yg = r * std::sin(lon) * std::cos(lat);
    double zg = r * std::sin(lat);
    double obliquity = (23.4393 - 0.0000003563 * d) * kRadiansPerDegree;
    double xq = xg;
    double yq = yg * std::cos(obliquity) - zg * std::sin(obliquity);
    double zq = yg * std::sin(obliquity) + zg * std::cos(obliquity);

    // Seen from the site: the observer is one Earth radius from the centre, toward the zenith.
    double theta = Rev2Pi(clock.localSiderealTime * 15.0 * kRadiansPerDegree);
    xq -= std::cos(theta) * std::cos(latitude);
    yq -= std::sin(theta) * std::cos(latitude);
    zq -= std::sin(latitude);
    double ra = Quadrant(yq, xq);
    double dec = std::atan(zq / std::sqrt(xq * xq + yq * yq));

    object.meridianAltitude = 90.0 - std::fabs((latitude - dec) * kDegreesPerRadian);
    double distance = std::sqrt(xq * xq + yq * yq + zq * zq);
    object.moonDistanceKm = static_cast<float>(distance * kEarthRadiusKm);
    object.moonDiameter =
        static_cast<float>(2.0 * std::atan(kMoonRadiusKm / object.moonDistanceKm) * kDegreesPerRadian * 60.0);

    double raHours = ra * kDegreesPerRadian / 15.0;
    double decDegrees = dec * kDegreesPerRadian;
    StoreConstellation(object, raHours, decDegrees);
    StoreDisplayPosition(object, raHours, decDegrees);
}

}  // namespace talvo
