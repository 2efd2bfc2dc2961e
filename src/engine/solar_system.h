// The Sun, the Moon and the planets: positions, distances, phase and elongation.
//
// Two theories are used. Positions come from mean J2000 Keplerian elements with linear rates
// (planets and Sun) and from a perturbed lunar orbit (the Moon, topocentric, of date). The
// Sun's longitude, the Moon's phase and every elongation come from a shorter theory of epoch
// 1975 (days counted from 1975 January 0.0 UT). Angles are in degrees unless a name says radians.
#pragma once

#include <array>

#include "engine/clock_state.h"
#include "engine/current_object.h"

namespace talvo {

// Rows of the solar-system list; the planets' rows are also their rows in the element tables,
// where row 3 is the Earth.
inline constexpr int kSun = 0;
inline constexpr int kMoon = 3;
inline constexpr int kPluto = 9;

// Apparent diameter at 1 AU, arc-seconds, by list row (the Moon's comes from its distance).
inline constexpr std::array<double, 10> kDiameterAt1AU = {1919.26, 6.72,   16.68, 0.0,   9.36,
                                                          196.88,  165.46, 70.04, 67.00, 3.28};

// True when the object is one of the solar-system list's bodies (planetIndex 0-9).
inline bool IsSolarSystemBody(const CurrentObject& object) {
    return object.planetIndex >= kSun && object.planetIndex <= kPluto;
}

// The apparent diameter of the current body in arc-seconds (0 for other objects): the Moon's
// from its diameter in arc-minutes, the others' from their distance in AU.
inline double BodyDiameterArcsec(const CurrentObject& object) {
    if (!IsSolarSystemBody(object)) return 0.0;
    if (object.planetIndex == kMoon) return object.moonDiameter * 60.0;
    return object.distanceAU > 0.0
               ? kDiameterAt1AU[static_cast<std::size_t>(object.planetIndex)] / object.distanceAU
               : 0.0;
}

// The Sun's true ecliptic longitude (0 <= longitude < 360) and mean anomaly, degrees.
struct SunLongitude {
    double longitude = 0.0;
    double meanAnomaly = 0.0;
};

// The Sun by the 1975 theory. Runs CalcDays1975 on the clock first (CalcTime must be current).
SunLongitude CalcSunLongitude(ClockState& clock);

// The Moon's phase name, phase angle and elongation texts, from the 1975 theory.
void CalcPhaseAndElongation(CurrentObject& object, const ClockState& clock, const SunLongitude& sun);

// The Moon's topocentric position of date for the site's latitude (radians) and the clock's
// local sidereal time, its distance (km), apparent diameter (arc-minutes), constellation and
// meridian altitude.
void CalcMoonPosition(CurrentObject& object, const ClockState& clock, double latitude);

// The true anomaly (radians, 0 to 2 pi) for mean anomaly `meanAnomaly` (radians) and
// eccentricity `e`, by Newton's method until a step is at most 10^-digits radians.
double SolveKepler(double meanAnomaly, double e, int digits);

// The body of object.planetIndex (the Sun or a planet, not the Moon): geocentric position for
// the equinox 2000 from the J2000 elements at the clock's Julian date, precessed to
// `targetEpoch`; distance (AU), constellation (of the 2000 position), meridian altitude.
void CalcPlanet(CurrentObject& object, const ClockState& clock, double latitude, double targetEpoch);

// Elongation by the 1975 theory, for object.planetIndex: the Sun's longitude only for the Sun
// (row 0), the phase and elongation for the Moon (row 3), the elongation texts for a planet.
// Returns the Earth's radius vector (AU) of the 1975 theory, which is the Sun's distance.
double CalcElongation(CurrentObject& object, ClockState& clock);

// Stores an elongation (degrees, 0-360 measured eastwards from the Sun) as the object's texts:
// above 180 it is 360 minus it in the morning, otherwise in the evening, rounded half up.
void StoreElongation(CurrentObject& object, double eastwardDegrees);

// A heliocentric position in AU, ecliptic and equinox J2000 (x towards the equinox).
struct EclipticVector {
    double x = 0.0, y = 0.0, z = 0.0;
};

// The Earth's heliocentric position from the same J2000 elements the planets' positions use
// (they describe the Earth-Moon barycentre, in the ecliptic plane), at Julian date `julianDate`.
EclipticVector EarthHeliocentric(double julianDate);

// The constellation (name and abbreviation) of a position given as it is to be looked up.
void StoreConstellation(CurrentObject& object, double raHours, double decDegrees);

}  // namespace talvo
