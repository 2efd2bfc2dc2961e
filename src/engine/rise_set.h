// Rise, transit and set of the current object, as local clock times of the site's zone.
//
// One step from the hour angle of the horizon crossing, no iteration: the object's position
// as it stands (already precessed), the present local sidereal time and local clock time, and
// the apparent altitude of the last CalcAltAz, which tells an object already up from one still
// below. The horizon crossing is at zenith distance 90.82333 degrees for the Sun and the Moon
// (semi-diameter and refraction) and 90.57333 degrees (refraction) for everything else.
#pragma once

#include "engine/clock_state.h"
#include "engine/current_object.h"

namespace talvo {

// Fills the object's rise, transit and set captions and texts. Times are "hh:mm" followed by a
// day marker: "  " today, " +" tomorrow, " -" yesterday. `latitude` in radians, north positive.
void CalcRiseTransitSet(CurrentObject& object, double latitude, const ClockState& clock);

// Clock hours for a difference of `siderealHours`: 0.9973 solar hour per sidereal hour, or for
// the Moon, which comes back 0.0366 of a day later each day, 1.0366 (with the wrap-around of a
// negative difference counted at that excess rate).
double SiderealToClockHours(double siderealHours, bool isMoon);

// "hh:mm" + marker for a time of day in hours; the minutes never show 60.
std::string RiseSetTimeText(double hours, const char* marker);

}  // namespace talvo
