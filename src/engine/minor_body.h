// Where a comet or an asteroid is seen from the Earth: its astrometric place (J2000, corrected
// for the light's travel time, without aberration or parallax, as ephemerides of minor bodies
// give it), its distances and its magnitude.
#pragma once

#include "engine/kepler_orbit.h"

namespace talvo {

struct MinorBody {
    KeplerOrbit orbit;
    bool comet = false;
    // Magnitude law. Asteroid: absolute magnitude H and slope G of the H, G system. Comet: total
    // absolute magnitude H and the activity slope K of m = H + 5 log(delta) + 2.5 K log(r).
    double absoluteMagnitude = 0.0;
    double slope = 0.15;
};

struct MinorBodyPlace {
    double raHours = 0.0;        // 0 <= ra < 24, equinox J2000
    double decDegrees = 0.0;     // equinox J2000
    double earthDistance = 0.0;  // delta, AU
    double sunDistance = 0.0;    // r, AU
    double phaseAngle = 0.0;     // Sun-body-Earth, degrees
    double magnitude = 0.0;
};

// TT minus UT in days at Julian date `julianDateUT`: a polynomial good to a second or two from
// 2005 to 2050, and to a minute over the two centuries around them.
double TerrestrialMinusUniversal(double julianDateUT);

// The body as seen from the Earth's centre at Julian date `julianDateUT`.
MinorBodyPlace LocateMinorBody(const MinorBody& body, double julianDateUT);

}  // namespace talvo
