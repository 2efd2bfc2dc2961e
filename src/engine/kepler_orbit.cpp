#include "engine/kepler_orbit.h"

#include <cmath>

namespace talvo {
namespace {

constexpr double kPiExact = 3.14159265358979323846;  // not the planet tables' rounded pi
constexpr double kRadians = kPiExact / 180.0;
constexpr int kMostIterations = 60;

// Stumpff's functions c2(z) = (1 - cos sqrt z) / z and c3(z) = (sqrt z - sin sqrt z) / z^1.5, and
// their continuations for z <= 0; near 0 their series keeps the digits the closed forms lose.
void Stumpff(double z, double& c2, double& c3) {
    if (std::fabs(z) < 1e-3) {
        c2 = 1.0 / 2.0 - z / 24.0 + z * z / 720.0 - z * z * z / 40320.0;
        c3 = 1.0 / 6.0 - z / 120.0 + z * z / 5040.0 - z * z * z / 362880.0;
    } else if (z > 0.0) {
        const double s = std::sqrt(z);
        c2 = (1.0 - std::cos(s)) / z;
        c3 = (s - std::sin(s)) / (z * s);
    } else {
        const double s = std::sqrt(-z);
        c2 = (std::cosh(s) - 1.0) / -z;
        c3 = (std::sinh(s) - s) / (-z * s);
    }
}

}  // namespace

// Meeus, Astronomical Algorithms, chapter 7, for the Gregorian calendar.
double CalendarJulianDate(int year, int month, double day) {
    if (month <= 2) {
        --year;
        month += 12;
    }
    const int century = year / 100;
    const int leap = 2 - century + century / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + leap - 1524.5;
}

CalendarDate CalendarOf(double julianDate) {
    const double shifted = julianDate + 0.5;
    const double whole = std::floor(shifted);
    const double fraction = shifted - whole;
    const double alpha = std::floor((whole - 1867216.25) / 36524.25);
    const double a = whole + 1.0 + alpha - std::floor(alpha / 4.0);
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    CalendarDate date;
    date.day = b - d - std::floor(30.6001 * e) + fraction;
    date.month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
    date.year = static_cast<int>(date.month > 2 ? c - 4716.0 : c - 4715.0);
    return date;
}

KeplerOrbit EllipseFromMeanAnomaly(double axis, double eccentricity, double inclination, double node,
                                   double perihelionArgument, double meanAnomaly, double epoch) {
    KeplerOrbit orbit;
    orbit.perihelionDistance = axis * (1.0 - eccentricity);
    orbit.eccentricity = eccentricity;
    orbit.inclination = inclination;
    orbit.node = node;
    orbit.perihelionArgument = perihelionArgument;
    const double meanMotion = kGaussK / (axis * std::sqrt(axis)) / kRadians;  // degrees per day
    // The perihelion passage nearest the epoch: the mean anomaly taken in -180..180.
    double fromPerihelion = std::fmod(meanAnomaly, 360.0);
    if (fromPerihelion > 180.0) fromPerihelion -= 360.0;
    if (fromPerihelion < -180.0) fromPerihelion += 360.0;
    orbit.perihelionTime = epoch - fromPerihelion / meanMotion;
    return orbit;
}

// The universal form of Kepler's equation, with the universal anomaly x measured from the
// perihelion (where the radial velocity is 0):
//   sqrt(mu) t = (1 - alpha q) x^3 c3(alpha x^2) + q x,   alpha = (1 - e) / q = 1 / a,
// solved by Laguerre's method, which converges from a rough start for every kind of orbit.
// Then the f and g functions carry the perihelion position and velocity to time t.
EclipticVector OrbitPosition(const KeplerOrbit& orbit, double julianDateTT) {
    const double q = orbit.perihelionDistance;
    const double e = orbit.eccentricity;
    const double alpha = (1.0 - e) / q;
    const double rootMu = kGaussK;
    const double t = julianDateTT - orbit.perihelionTime;

    // For an ellipse only the time within the current revolution matters to the position.
    double tWithin = t;
    if (alpha > 0.0) {
        const double period = 2.0 * kPiExact / (rootMu * alpha * std::sqrt(alpha));
        tWithin = std::remainder(t, period);
    }
    double x = rootMu * tWithin / q;  // the start: moving at the perihelion speed
    const double target = rootMu * tWithin;
    constexpr double kOrder = 5.0;  // Laguerre's n
    for (int i = 0; i < kMostIterations; ++i) {
        double c2 = 0.0, c3 = 0.0;
        const double z = alpha * x * x;
        Stumpff(z, c2, c3);
        const double f = (1.0 - alpha * q) * x * x * x * c3 + q * x - target;
        const double radius = x * x * c2 + q * (1.0 - z * c2);       // df/dx
        const double bend = (1.0 - alpha * q) * x * (1.0 - z * c3);  // d2f/dx2
        const double root = std::sqrt(std::fabs((kOrder - 1.0) * (kOrder - 1.0) * radius * radius -
                                                kOrder * (kOrder - 1.0) * f * bend));
        const double step = kOrder * f / (radius + (radius >= 0.0 ? root : -root));
        x -= step;
        if (std::fabs(step) <= 1e-13 * (1.0 + std::fabs(x))) break;
    }
    double c2 = 0.0, c3 = 0.0;
    Stumpff(alpha * x * x, c2, c3);
    const double fLagrange = 1.0 - x * x * c2 / q;
    const double gLagrange = (target - x * x * x * c3) / rootMu;
    const double speed = rootMu * std::sqrt((1.0 + e) / q);  // at perihelion, AU per day
    // Perifocal frame: x towards the perihelion, y along the motion there.
    const double px = fLagrange * q;
    const double py = gLagrange * speed;

    const double w = orbit.perihelionArgument * kRadians;
    const double n = orbit.node * kRadians;
    const double inc = orbit.inclination * kRadians;
    const double cw = std::cos(w), sw = std::sin(w), cn = std::cos(n), sn = std::sin(n);
    const double ci = std::cos(inc), si = std::sin(inc);
    EclipticVector position;
    position.x = (cn * cw - sn * sw * ci) * px + (-cn * sw - sn * cw * ci) * py;
    position.y = (sn * cw + cn * sw * ci) * px + (-sn * sw + cn * cw * ci) * py;
    position.z = (sw * si) * px + (cw * si) * py;
    return position;
}

}  // namespace talvo
