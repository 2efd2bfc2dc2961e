// The planets and the Sun's position from mean J2000 elements, and every elongation from the
// 1975 theory.
#include <cmath>

#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/solar_system.h"

namespace talvo {

namespace {

constexpr double kJ2000 = 2451545.0;                     // Julian date of 2000 January 1.5
constexpr double kObliquityJ2000 = 0.40891828634391003;  // radians, 23.4393 degrees
constexpr int kEarth = 3;
constexpr int kKeplerDigits = 12;
constexpr int kKeplerMaxSteps = 60;  // Newton converges in under 10 steps at e < 0.25

// Elements of epoch 1975 (single precision): period in tropical years, longitude at epoch,
// longitude of perihelion, eccentricity, semi-major axis (AU), inclination, longitude of the
// node; angles in degrees. Rows 1-9: Mercury, Venus, Earth, Mars ... Pluto.
struct Elements1975 {
    float period, epochLongitude, perihelion, eccentricity, axis, inclination, node;
};
constexpr Elements1975 kPlanetElements[10] = {
    {},
    {0.240852f, 317.5f, 77.45645f, 0.20563069f, 0.38709893f, 7.00487f, 48.33167f},
    {0.615214f, 310.5f, 131.53298f, 0.006778323f, 0.72333199f, 3.39471f, 76.68069f},
    {1.000039f, 99.53431f, 102.94719f, 0.01671022f, 1.0f, 0.0f, 0.0f},
    {1.8806f, 249.18f, 335.59881f, 0.09341233f, 1.52366231f, 1.85061f, 49.57854f},
    {11.857f, 355.15f, 13.91992f, 0.0469358f, 5.203363f, 1.3053f, 100.55615f},
    {29.41f, 103.6f, 92.55832f, 0.0541506f, 9.53707f, 2.48446f, 113.71504f},
    {84.45f, 205.7712f, 171.0f, 0.04716771f, 19.19126393f, 0.76986f, 74.22988f},
    {164.81f, 249.95f, 44.40592f, 0.00858587f, 30.06896348f, 1.76917f, 131.72169f},
    {222.0f, 199.5f, 223.0f, 0.24880766f, 39.48168677f, 17.14175f, 110.30347f},
};

// Mean J2000 elements and their rates per day (angles in degrees, a in AU).
struct ElementRate {
    double value, ratePerDay;
};
struct ElementsJ2000 {
    ElementRate inclination, node, perihelion, axis, eccentricity, meanLongitude;
};
constexpr ElementsJ2000 kJ2000Elements[10] = {
    {},
    {{7.00487, -1.78797e-7},
     {48.33167, -3.3942e-6},
     {77.45645, 4.36208e-6},
     {0.38709893, 1.80698e-11},
     {0.20563069, 6.91855e-10},
     {252.25084, 4.092338796}},
    {{3.39471, -2.17507e-8},
     {76.68069, -7.5815e-6},
     {131.53298, -8.27439e-7},
     {0.72333199, 2.51882e-11},
     {0.00677323, -1.35195e-9},
     {181.97973, 1.602130474}},
    {{0.00005, -3.56985e-7},
     {-11.26064, -0.00013863},
     {102.94719, 9.11309e-6},
     {1.00000011, -1.36893e-12},
     {0.01671022, -1.04148e-9},
     {100.46435, 0.985609101}},
    {{1.85061, -1.93703e-7},
     {49.57854, -7.7587e-6},
     {336.04084, 1.187e-5},
     {1.52366231, -1.977e-9},
     {0.09341233, -3.25859e-9},
     {355.45332, 0.524033035}},
    {{1.3053, -3.15613e-8},
     {100.55615, 9.25675e-6},
     {14.75385, 6.38779e-6},
     {5.20336301, 1.66289e-8},
     {0.04839266, -3.52635e-9},
     {34.40438, 0.083086762}},
    {{2.48424, 4.6469e-8},
     {113.69954, -1.1529e-5},
     {92.43194, -1.4822e-5},
     {9.58193117, -8.255668e-8},
     {0.0563828, -1.00649e-8},
     {49.94432, 0.0334715}},
    {{0.76986, -1.58947e-8},
     {74.22988, 1.27873e-5},
     {170.96424, 9.9822e-6},
     {19.19126393, 4.16222e-8},
     {0.04716771, -5.24298e-9},
     {313.23218, 0.011731294}},
    {{1.76917, -2.76827e-8},
     {131.72169, -1.1503e-6},
     {44.97135, -6.42201e-6},
     {30.06896348, -3.42768e-8},
     {0.00858587, 6.88296e-10},
     {304.88003, 0.0059810572}},
    {{17.14175, 8.41889e-8},
     {110.30347, -2.839e-7},
     {224.06676, -1.00578e-6},
     {39.48168677, -2.10574e-8},
     {0.24880766, 1.77002e-9},
     {238.92881, 0.003975715}},
};

// One orbit at a moment: angles in radians, a in AU.
struct Orbit {
    double inclination, node, perihelion, axis, eccentricity, meanLongitude;
};

Orbit OrbitAt(int row, double daysFromJ2000) {
    const ElementsJ2000& el = kJ2000Elements[row];
    auto at = [daysFromJ2000](const ElementRate& e) { return e.value + e.ratePerDay * daysFromJ2000; };
    Orbit orbit;
    orbit.inclination = at(el.inclination) * kRadiansPerDegree;
    orbit.node = at(el.node) * kRadiansPerDegree;
    orbit.perihelion = at(el.perihelion) * kRadiansPerDegree;
    orbit.axis = at(el.axis);
    orbit.eccentricity = at(el.eccentricity);
    orbit.meanLongitude = Rev2Pi(at(el.meanLongitude) * kRadiansPerDegree);
    return orbit;
}

// Radius vector (AU) and true anomaly (radians) on an orbit.
void RadiusAndAnomaly(const Orbit& orbit, double& radius, double& anomaly) {
    double mean = Rev2Pi(orbit.meanLongitude - orbit.perihelion);
    anomaly = SolveKepler(mean, orbit.eccentricity, kKeplerDigits);
    double e = orbit.eccentricity;
    radius = orbit.axis * (1.0 - e * e) / (1.0 + e * std::cos(anomaly));
}

// The Earth's place on its orbit, in the ecliptic plane.
EclipticVector EarthPoint(const Orbit& earth) {
    double r = 0.0, v = 0.0;
    RadiusAndAnomaly(earth, r, v);
    return {r * std::cos(v + earth.perihelion), r * std::sin(v + earth.perihelion), 0.0};
}

void CalcPlanetPosition(CurrentObject& object, const Orbit& body, const Orbit& earth, bool isSun,
                        double latitude, double targetEpoch) {
    const EclipticVector earthPoint = EarthPoint(earth);
    const double xEarth = earthPoint.x;
    const double yEarth = earthPoint.y;

    double x = 0.0, y = 0.0, z = 0.0;  // heliocentric ecliptic; the Sun sits at the origin
    if (!isSun) {
        double r = 0.0, v = 0.0;
        RadiusAndAnomaly(body, r, v);
        double u = v + body.perihelion - body.node;  // argument of latitude
        x = r * (std::cos(body.node) * std::cos(u) -
                 std::sin(body.node) * std::sin(u) * std::cos(body.inclination));
        y = r * (std::sin(body.node) * std::cos(u) +
                 std::cos(body.node) * std::sin(u) * std::cos(body.inclination));
        z = r * std::sin(u) * std::sin(body.inclination);
    }
    double gx = x - xEarth, gy = y - yEarth, gz = z;
    double xq = gx;
    double yq = gy * std::cos(kObliquityJ2000) - gz * std::sin(kObliquityJ2000);
    double zq = gy * std::sin(kObliquityJ2000) + gz * std::cos(kObliquityJ2000);

    double ra = std::atan2(yq, xq);
    if (ra < 0.0) ra += 2.0 * kPi;
    double dec = std::atan(zq / std::sqrt(xq * xq + yq * yq));

    object.meridianAltitude = 90.0 - std::fabs((latitude - dec) * kDegreesPerRadian);
    object.distanceAU = std::sqrt(xq * xq + yq * yq + zq * zq);
    object.raDecimalHours = ra * kDegreesPerRadian / 15.0;
    double decDegrees = dec * kDegreesPerRadian;
    StoreConstellation(object, object.raDecimalHours, decDegrees);  // the 2000 position
    StoreDisplayPosition(object, object.raDecimalHours, decDegrees);
    Precess(object, 2000.0, targetEpoch, latitude);
    CarryDeclinationMinutes(object);
}

// Heliocentric position of a row of the 1975 table: longitude l (degrees), radius vector r,
// and, off the ecliptic plane, the projected longitude and radius.
struct Heliocentric {
    double longitude = 0.0, radius = 0.0, projectedLongitude = 0.0, projectedRadius = 0.0;
};

Heliocentric Heliocentric1975(int row, double days) {
    const Elements1975& el = kPlanetElements[row];
    double n = (360.0 / 365.25) * days / el.period;
    while (n >= 3600.0) n -= 3600.0;
    while (n >= 360.0) n -= 360.0;
    double m = n + el.epochLongitude - el.perihelion;
    double l = std::fmod(
        n + (360.0 / 3.1415927) * el.eccentricity * std::sin(m / kDegreesPerRadian) + el.epochLongitude,
        360.0);
    if (l < 0.0) l += 360.0;
    double nu = l - el.perihelion;
    double e = el.eccentricity;
    Heliocentric h;
    h.longitude = l;
    h.radius = el.axis * (1.0 - e * e) / (1.0 + e * std::cos(nu / kDegreesPerRadian));
    if (row != kEarth) {
        double fromNode = (l - el.node) / kDegreesPerRadian;
        double inclination = el.inclination / kDegreesPerRadian;
        double psi = std::asin(std::sin(fromNode) * std::sin(inclination));
        // atan(tan(l - node) cos i) taken in the half-turn of l - node on the circle: the plain
        // arctangent would put the planet 180 degrees off for half of its orbit.
        double projected = std::atan2(std::sin(fromNode) * std::cos(inclination), std::cos(fromNode));
        h.projectedLongitude = el.node + projected * kDegreesPerRadian;
        h.projectedRadius = h.radius * std::cos(psi);
    }
    return h;
}

}  // namespace

double SolveKepler(double meanAnomaly, double e, int digits) {
    const double tolerance = std::pow(10.0, -digits);
    double ecc = meanAnomaly;
    for (int step = 0; step < kKeplerMaxSteps; ++step) {
        double delta = ecc - e * std::sin(ecc) - meanAnomaly;
        ecc -= delta / (1.0 - e * std::cos(ecc));
        if (std::fabs(delta) <= tolerance) break;
    }
    double anomaly = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(ecc / 2.0));
    if (anomaly < 0.0) anomaly += kTwoPi;
    return anomaly;
}

void CalcPlanet(CurrentObject& object, const ClockState& clock, double latitude, double targetEpoch) {
    const double days = clock.julianDate - kJ2000;
    const bool isSun = object.planetIndex == kSun;
    const int row = isSun ? 1 : object.planetIndex;
    CalcPlanetPosition(object, OrbitAt(row, days), OrbitAt(kEarth, days), isSun, latitude, targetEpoch);
}

double CalcElongation(CurrentObject& object, ClockState& clock) {
    SunLongitude sun = CalcSunLongitude(clock);
    const double days = clock.daysSince1975;
    Heliocentric earth = Heliocentric1975(kEarth, days);
    const int row = object.planetIndex;
    if (row == kMoon) {
        CalcPhaseAndElongation(object, clock, sun);
    } else if (row != kSun && row >= 1 && row <= kPluto) {
        Heliocentric planet = Heliocentric1975(row, days);
        const double bigL = earth.longitude / kDegreesPerRadian, bigR = earth.radius;
        const double lp = planet.projectedLongitude / kDegreesPerRadian, rp = planet.projectedRadius;
        double lambda;
        if (row < kEarth) {  // inside the Earth's orbit
            lambda =
                180.0 + earth.longitude +
                std::atan(rp * std::sin(bigL - lp) / (bigR - rp * std::cos(bigL - lp))) * kDegreesPerRadian;
        } else {
            lambda =
                planet.projectedLongitude +
                std::atan(bigR * std::sin(lp - bigL) / (rp - bigR * std::cos(lp - bigL))) * kDegreesPerRadian;
        }
        lambda = Revolution(lambda);
        double elongation = lambda - sun.longitude;
        if (elongation < 0.0) elongation += 360.0;
        StoreElongation(object, elongation);
    }
    return earth.radius;
}

EclipticVector EarthHeliocentric(double julianDate) {
    return EarthPoint(OrbitAt(kEarth, julianDate - kJ2000));
}

}  // namespace talvo
