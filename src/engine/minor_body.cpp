#include "engine/minor_body.h"

#include <cmath>

namespace talvo {
namespace {

constexpr double kPiExact = 3.14159265358979323846;
constexpr double kDegrees = 180.0 / kPiExact;
constexpr double kObliquity = 23.4392911 / kDegrees;  // of J2000
constexpr double kLightAUPerDay = 173.1446326846693;
constexpr double kJ2000 = 2451545.0;
constexpr int kLightTimeSteps = 3;  // each step gains about four digits of the light time

constexpr double kKmPerAU = 149597870.7;
constexpr double kEarthMoonMassRatio = 81.3006;

// The Earth's centre from the Earth-Moon barycentre the planet elements give: the barycentre
// lies 1/82.3 of the way to the Moon. The Moon's geocentric place by the Astronomical Almanac's
// low-precision series (a few arc-minutes; the offset, 4700 km, needs far less), ecliptic of
// date, which is taken for J2000: the 0.014 degrees a year of precession move it by metres.
EclipticVector EarthCentre(const EclipticVector& barycentre, double julianDate) {
    const double t = (julianDate - kJ2000) / 36525.0;
    const auto angle = [](double degrees) { return degrees / kDegrees; };
    const double l = angle(218.316 + 481267.881 * t);
    const double d = angle(297.850 + 445267.112 * t);
    const double m = angle(357.529 + 35999.050 * t);
    const double mm = angle(134.963 + 477198.868 * t);
    const double f = angle(93.272 + 483202.018 * t);
    const double longitude =
        l + angle(6.289 * std::sin(mm) - 1.274 * std::sin(2 * d - mm) + 0.658 * std::sin(2 * d) +
                  0.214 * std::sin(2 * mm) - 0.186 * std::sin(m) - 0.114 * std::sin(2 * f));
    const double latitude = angle(5.128 * std::sin(f) + 0.281 * std::sin(mm + f) + 0.278 * std::sin(mm - f) +
                                  0.173 * std::sin(2 * d - f));
    const double km = 385001.0 - 20905.0 * std::cos(mm) - 3699.0 * std::cos(2 * d - mm) -
                      2956.0 * std::cos(2 * d) - 570.0 * std::cos(2 * mm);
    const double share = km / kKmPerAU / (1.0 + kEarthMoonMassRatio);
    return {barycentre.x - share * std::cos(latitude) * std::cos(longitude),
            barycentre.y - share * std::cos(latitude) * std::sin(longitude),
            barycentre.z - share * std::sin(latitude)};
}

double Length(const EclipticVector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// The H, G system's phase function (Bowell and others, 1989).
double AsteroidMagnitude(double h, double g, double r, double delta, double phase) {
    const double half = std::tan(phase / 2.0);
    const double phi1 = std::exp(-3.33 * std::pow(half, 0.63));
    const double phi2 = std::exp(-1.87 * std::pow(half, 1.22));
    const double blend = (1.0 - g) * phi1 + g * phi2;
    return h + 5.0 * std::log10(r * delta) - (blend > 0.0 ? 2.5 * std::log10(blend) : 0.0);
}

}  // namespace

double TerrestrialMinusUniversal(double julianDateUT) {
    const double years = (julianDateUT - kJ2000) / 365.25;
    const double seconds = 62.92 + 0.32217 * years + 0.005589 * years * years;
    return seconds / 86400.0;
}

MinorBodyPlace LocateMinorBody(const MinorBody& body, double julianDateUT) {
    const double julianDateTT = julianDateUT + TerrestrialMinusUniversal(julianDateUT);
    const EclipticVector earth = EarthCentre(EarthHeliocentric(julianDateUT), julianDateUT);
    EclipticVector helio = OrbitPosition(body.orbit, julianDateTT);
    EclipticVector seen{helio.x - earth.x, helio.y - earth.y, helio.z - earth.z};
    // The light seen now left the body when it stood where it was delta / c earlier.
    for (int i = 0; i < kLightTimeSteps; ++i) {
        helio = OrbitPosition(body.orbit, julianDateTT - Length(seen) / kLightAUPerDay);
        seen = {helio.x - earth.x, helio.y - earth.y, helio.z - earth.z};
    }
    const double x = seen.x;
    const double y = seen.y * std::cos(kObliquity) - seen.z * std::sin(kObliquity);
    const double z = seen.y * std::sin(kObliquity) + seen.z * std::cos(kObliquity);

    MinorBodyPlace place;
    double ra = std::atan2(y, x) * kDegrees / 15.0;
    if (ra < 0.0) ra += 24.0;
    place.raHours = ra >= 24.0 ? 0.0 : ra;
    place.decDegrees = std::atan2(z, std::hypot(x, y)) * kDegrees;
    place.earthDistance = Length(seen);
    place.sunDistance = Length(helio);
    const double sunEarth = Length(earth);
    const double r = place.sunDistance, delta = place.earthDistance;
    const double cosPhase = (r * r + delta * delta - sunEarth * sunEarth) / (2.0 * r * delta);
    place.phaseAngle = std::acos(std::fmax(-1.0, std::fmin(1.0, cosPhase))) * kDegrees;
    place.magnitude =
        body.comet
            ? body.absoluteMagnitude + 5.0 * std::log10(delta) + 2.5 * body.slope * std::log10(r)
            : AsteroidMagnitude(body.absoluteMagnitude, body.slope, r, delta, place.phaseAngle / kDegrees);
    return place;
}

}  // namespace talvo
