// Atmospheric refraction at the horizon-to-zenith range a small telescope uses.
#pragma once

namespace talvo {

// Refraction in arc-minutes to ADD to a true (geometric) altitude in degrees to get the
// apparent one: 1.02 / tan(h + 10.3 / (h + 5.11)) with the argument in degrees
// (Saemundsson's formula); 0 below -0.57333 degrees, where the formula's pole lies near.
double Refraction(double trueAltitudeDegrees);

// Refraction in arc-minutes to SUBTRACT from an apparent altitude in degrees to get the true one:
// 1 / tan(h + 7.31 / (h + 4.4)) with the argument in degrees (Bennett's formula); 0 below 0.
double InverseRefraction(double apparentAltitudeDegrees);

}  // namespace talvo
