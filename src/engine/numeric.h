// Angle constants, the two integer parts and the angle helpers the astronomy engine uses
// throughout.
#pragma once

#include <cmath>

namespace talvo {

// The engine's angle constants. They are deliberately the short forms the program has always
// used (not M_PI), so that every displayed digit stays what observers are used to seeing.
inline constexpr double kPi = 3.14159265;
inline constexpr double kTwoPi = 6.2831853;
inline constexpr double kDegreesPerRadian = 57.29577957855229;  // = 180 / 3.14159265
inline constexpr double kRadiansPerDegree = 0.0174532925;       // the planet tables' own rounding

// Whole part toward zero: Fix(-2.5) = -2.
inline double Fix(double x) { return std::trunc(x); }

// Whole part toward minus infinity: Int(-2.5) = -3.
inline double Int(double x) { return std::floor(x); }

// An angle in radians reduced to 0 <= x < 2 pi (of the engine's pi).
inline double Rev2Pi(double x) {
    double r = x / kTwoPi;
    const double sign = r > 0.0 ? 1.0 : (r < 0.0 ? -1.0 : 0.0);
    r = (r - Int(std::fabs(r)) * sign) * kTwoPi;
    return r < 0.0 ? r + kTwoPi : r;
}

// An angle in degrees reduced to 0 <= angle < 360.
inline double Revolution(double degrees) {
    const double r = std::fmod(degrees, 360.0);
    return r < 0.0 ? r + 360.0 : r;
}

// The angle whose cosine is c, in 0..pi radians, through the arctangent form the engine has
// always used instead of acos: pi/2 at c = 0, pi - angle for negative c. |c| must be <= 1.
inline double AngleFromCosine(double c) {
    if (c == 0.0) return kPi / 2.0;
    const double angle = std::atan(std::fabs(std::sqrt(1.0 - c * c) / c));
    return c < 0.0 ? kPi - angle : angle;
}

}  // namespace talvo
