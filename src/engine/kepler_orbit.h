// Orbits of comets and asteroids about the Sun as two-body (Kepler) orbits: elliptic, parabolic
// and hyperbolic alike, from the perihelion distance, eccentricity and time of perihelion.
// Positions are heliocentric, in AU, ecliptic and equinox J2000.
#pragma once

#include "engine/solar_system.h"

namespace talvo {

// The Gaussian gravitational constant: the Sun's GM is its square, in AU^3 per day^2.
inline constexpr double kGaussK = 0.01720209895;

struct KeplerOrbit {
    double perihelionDistance = 1.0;  // q, AU (> 0)
    double eccentricity = 0.0;        // e >= 0: below 1 an ellipse, 1 a parabola, above 1 a hyperbola
    double inclination = 0.0;         // i, degrees, to the J2000 ecliptic
    double node = 0.0;                // longitude of the ascending node, degrees, J2000
    double perihelionArgument = 0.0;  // argument of perihelion, degrees
    double perihelionTime = 0.0;      // Julian date (TT) of the perihelion passage
};

// The orbit of elements given by the mean anomaly at an epoch, as minor-planet lists give them:
// semi-major axis `axis` (AU), mean anomaly `meanAnomaly` (degrees) at Julian date `epoch` (TT).
KeplerOrbit EllipseFromMeanAnomaly(double axis, double eccentricity, double inclination, double node,
                                   double perihelionArgument, double meanAnomaly, double epoch);

// The Julian date of a Gregorian calendar date; `day` may carry the fraction of the day.
double CalendarJulianDate(int year, int month, double day);

// The Gregorian calendar date of a Julian date; `day` carries the fraction of the day.
struct CalendarDate {
    int year = 2000, month = 1;
    double day = 1.0;
};
CalendarDate CalendarOf(double julianDate);

// The heliocentric position at Julian date `julianDateTT`.
EclipticVector OrbitPosition(const KeplerOrbit& orbit, double julianDateTT);

}  // namespace talvo
