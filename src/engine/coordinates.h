// Positions between epochs, to altitude and azimuth for the site and moment, and back.
//
// Signs: latitude north positive (radians); hour angle west positive; azimuth from north through
// east in degrees; altitude positive above the horizon. The local sidereal time is in hours.
#pragma once

#include "engine/clock_state.h"
#include "engine/current_object.h"

namespace talvo {

// The epoch (year) positions are presented in: `fixedEpoch` (a telescope working in a fixed
// epoch, e.g. J2000) while the clock runs in real time and it is above 0; otherwise the epoch
// of date.
double GetTargetEpoch(const ClockState& clock, double fixedEpoch);

// Moves the object's position from epoch `from` to epoch `to` (years) with the classical
// first-order formulas (rates m and n of Newcomb's precession, arc-seconds a year), and sets
// decSign and meridianAltitude (for `latitude`, radians). Nothing happens without an object or
// when from == to.
void Precess(CurrentObject& object, double from, double to, double latitude);

// Converts the object's position (of date) to apparent altitude and azimuth for the site's
// latitude (radians) and local sidereal time (hours); sets refraction. Returns the altitude in
// degrees (single precision, as the window's tests compare it).
float CalcAltAz(CurrentObject& object, double latitude, double localSiderealTime);

// The reverse: reads the apparent altitude and azimuth of the object (whole parts plus their
// minutes fields), removes refraction, and overwrites the position with the right ascension and
// declination of date. The true altitude is left in `altitude`. An apparent altitude of exactly
// 0 is taken as 1/120 degree.
void CalcRaDecFromAltAz(CurrentObject& object, double latitude, double localSiderealTime);

// Stores a right ascension (hours) and declination (degrees) in the object's split fields and
// sets decSign; the epoch and the other fields are left as they are.
void StorePosition(CurrentObject& object, double raHours, double decDegrees);

// As StorePosition, for positions that go straight to the display: minutes of right ascension
// or declination that would show as 60 (59.95 or more) become 0 with one unit carried (the
// degrees away from zero, 24 h to 0 h).
void StoreDisplayPosition(CurrentObject& object, double raHours, double decDegrees);

// Carries declination minutes of 59.95 or more into the whole degrees, away from zero.
void CarryDeclinationMinutes(CurrentObject& object);

// The object's right ascension in hours and declination in degrees, as plain numbers.
double RightAscensionHours(const CurrentObject& object);
double DeclinationDegrees(const CurrentObject& object);

}  // namespace talvo
