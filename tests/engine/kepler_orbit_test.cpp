// Two-body orbits of every kind against closed forms: the perihelion itself, a circle, Barker's
// equation for a parabola and the hyperbolic Kepler equation, and the calendar conversions the
// elements' dates go through.
#include "engine/kepler_orbit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace talvo {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Radius(const EclipticVector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

KeplerOrbit Flat(double q, double e) {
    KeplerOrbit orbit;
    orbit.perihelionDistance = q;
    orbit.eccentricity = e;
    orbit.perihelionTime = 2460000.5;
    return orbit;
}

TEST(KeplerOrbit, AtPerihelionTheBodyLiesAlongTheLineOfApsides) {
    for (const double e : {0.0, 0.5, 0.99, 1.0, 1.5, 4.0}) {
        KeplerOrbit orbit = Flat(0.7, e);
        orbit.inclination = 30.0;
        orbit.node = 90.0;
        orbit.perihelionArgument = 90.0;  // the perihelion is the orbit's highest point
        const EclipticVector at = OrbitPosition(orbit, orbit.perihelionTime);
        EXPECT_NEAR(at.x, -0.7 * std::cos(30.0 * kPi / 180.0), 1e-12) << e;  // node 90 + argument 90
        EXPECT_NEAR(at.y, 0.0, 1e-12) << e;
        EXPECT_NEAR(at.z, 0.7 * std::sin(30.0 * kPi / 180.0), 1e-12) << e;
        EXPECT_NEAR(Radius(at), 0.7, 1e-12) << e;
    }
}

TEST(KeplerOrbit, ACircleTurnsAQuarterInAQuarterPeriodAndRepeatsAfterManyTurns) {
    const KeplerOrbit orbit = Flat(2.0, 0.0);
    const double period = 2.0 * kPi * std::pow(2.0, 1.5) / kGaussK;
    const EclipticVector quarter = OrbitPosition(orbit, orbit.perihelionTime + period / 4.0);
    EXPECT_NEAR(quarter.x, 0.0, 1e-10);
    EXPECT_NEAR(quarter.y, 2.0, 1e-10);
    const EclipticVector later = OrbitPosition(orbit, orbit.perihelionTime + 1000.25 * period);
    EXPECT_NEAR(later.x, 0.0, 1e-7);
    EXPECT_NEAR(later.y, 2.0, 1e-7);
}

TEST(KeplerOrbit, AParabolaFollowsBarkersEquation) {
    // t - T = sqrt(2 q^3) / k (D + D^3 / 3), D = tan(v / 2); r = q (1 + D^2).
    const double q = 0.4;
    const KeplerOrbit orbit = Flat(q, 1.0);
    for (const double v : {-2.5, -0.3, 0.0, 0.8, 2.9}) {
        const double d = std::tan(v / 2.0);
        const double t = std::sqrt(2.0 * q * q * q) / kGaussK * (d + d * d * d / 3.0);
        const EclipticVector at = OrbitPosition(orbit, orbit.perihelionTime + t);
        const double r = q * (1.0 + d * d);
        EXPECT_NEAR(at.x, r * std::cos(v), 1e-10 * r) << v;
        EXPECT_NEAR(at.y, r * std::sin(v), 1e-10 * r) << v;
    }
}

TEST(KeplerOrbit, AHyperbolaFollowsTheHyperbolicKeplerEquation) {
    // a < 0; M = e sinh H - H = k t / (-a)^1.5; r = a (1 - e cosh H).
    const double q = 1.2, e = 1.8, a = q / (1.0 - e);
    const KeplerOrbit orbit = Flat(q, e);
    for (const double h : {-3.0, -0.1, 0.5, 4.0}) {
        const double t = (e * std::sinh(h) - h) * std::pow(-a, 1.5) / kGaussK;
        const EclipticVector at = OrbitPosition(orbit, orbit.perihelionTime + t);
        const double r = a * (1.0 - e * std::cosh(h));
        const double x = a * (std::cosh(h) - e);
        const double y = -a * std::sqrt(e * e - 1.0) * std::sinh(h);
        EXPECT_NEAR(Radius(at), r, 1e-9 * r) << h;
        EXPECT_NEAR(at.x, x, 1e-9 * r) << h;
        EXPECT_NEAR(at.y, y, 1e-9 * r) << h;
    }
}

TEST(KeplerOrbit, MeanAnomalyElementsGiveTheSameEllipse) {
    // Half a revolution after perihelion the body is at aphelion, whichever epoch names it.
    const double a = 2.5, e = 0.2;
    const double period = 2.0 * kPi * std::pow(a, 1.5) / kGaussK;
    const KeplerOrbit orbit = EllipseFromMeanAnomaly(a, e, 0.0, 0.0, 0.0, 180.0, 2460000.5);
    EXPECT_NEAR(std::fabs(orbit.perihelionTime - 2460000.5), period / 2.0, 1e-6);
    const EclipticVector at = OrbitPosition(orbit, 2460000.5);
    EXPECT_NEAR(at.x, -a * (1.0 + e), 1e-9);
    EXPECT_NEAR(at.y, 0.0, 1e-7);
}

TEST(Calendar, JulianDatesAndBack) {
    EXPECT_DOUBLE_EQ(CalendarJulianDate(2000, 1, 1.5), 2451545.0);
    EXPECT_DOUBLE_EQ(CalendarJulianDate(1986, 2, 9.4589), 2446470.9589);
    EXPECT_DOUBLE_EQ(CalendarJulianDate(2024, 3, 1.0), CalendarJulianDate(2024, 2, 29.0) + 1.0);
    const CalendarDate date = CalendarOf(CalendarJulianDate(2100, 2, 28.75) + 1.0);  // 2100 is no leap year
    EXPECT_EQ(date.year, 2100);
    EXPECT_EQ(date.month, 3);
    EXPECT_NEAR(date.day, 1.75, 1e-9);
}

}  // namespace
}  // namespace talvo
