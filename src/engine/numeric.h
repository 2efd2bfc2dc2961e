// Angle constants and the two integer parts the astronomy engine uses throughout.
#pragma once

#include <cmath>

namespace talvo {

// The engine's angle constants. They are deliberately the short forms the program has always
// used (not M_PI), so that every displayed digit stays what observers are used to seeing.
inline constexpr double kPi = 3.14159265;
inline constexpr double kTwoPi = 6.2831853;
inline constexpr double kDegreesPerRadian = 57.29577957855229;  // = 180 / 3.14159265

// Whole part toward zero: Fix(-2.5) = -2.
inline double Fix(double x) { return std::trunc(x); }

// Whole part toward minus infinity: Int(-2.5) = -3.
inline double Int(double x) { return std::floor(x); }

}  // namespace talvo
