// Transient catalogs: the positions of one comet or asteroid, a line for each hour (catalog flag
// "T") or for each minute ("t", a near-Earth object). Name 1 of each line is the moment of its
// position in UTC, "MMDD HH YYYY" (hourly) or "MMDDHHmmYYYY" (per minute); name 5 begins with
// "Comet" for a comet. Such a catalog is not searched by name: the line of the present moment is
// looked up with the ordinary search engine and becomes the current object.
#pragma once

#include <optional>
#include <string>

#include "catalog/search_engine.h"
#include "engine/clock_state.h"
#include "session/session_state.h"

namespace talvo {

// The name 1 of the line for the clock's local moment, for a site `utcOffsetHours` west of UTC
// (UT = local time + offset, half hours included). An hourly catalog takes the nearest whole
// hour of UTC (30 minutes and more go up), a per-minute catalog the nearest minute (30 seconds
// and more go up). Days, months and years carry; February's length follows clock.leapYear, the
// flag of the present date, so CalcTime must be current.
std::string TransientSearchName(const ClockState& clock, float utcOffsetHours, bool perMinute);

// The object kind of a line's name 5: kTransientComet when it begins with "Comet", else
// kTransientAsteroid.
int TransientKind(const std::string& name5);

// The year of a transient catalog's first position (columns 9-12 of its first line); nothing
// when the catalog cannot be read or is empty.
std::optional<int> FirstPositionYear(const std::string& path);

// The angle between two positions of the same epoch, degrees 0-180 (right ascensions in hours,
// declinations in degrees).
double AngularDistance(double raHours1, double decDegrees1, double raHours2, double decDegrees2);

enum class TransientSearch {
    Found,       // the line of the moment is the current object
    NoPosition,  // the catalog holds no line for the moment
    Unreadable,  // the catalog could not be opened
};

// Looks up the current transient catalog's line for the present moment. The Sun is computed
// first and the object marked absent; a line found becomes the current object, a comet or an
// asteroid (planetIndex), with its angular distance from the Sun as its elongation text, and the
// chain is reset to hold nothing (each choice starts again from the first line). Without a line
// the object stays the absent Sun. The catalog's transient flags stay as they are either way.
TransientSearch FindTransientPosition(SessionState& state, SearchEngine& engine);

// True while the current catalog is a transient one (flag "T" or "t").
inline bool IsTransientCatalogFlag(char flag) { return flag == 'T' || flag == 't'; }

}  // namespace talvo
