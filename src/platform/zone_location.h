// Where the system's time zone is: the reference city the time-zone database gives for it, as a
// suggestion for an observer's site before one is known.
#pragma once

#include <optional>
#include <string>

namespace talvo::platform {

struct ZoneLocation {
    double latitudeDegrees = 0.0;   // north positive
    double longitudeDegrees = 0.0;  // WEST positive, as every longitude in TALVO
};

// The system's zone name ("Europe/Berlin"): TZ (without a leading ':'), else /etc/timezone, else
// the part of the /etc/localtime link after "zoneinfo/". Empty when none says.
std::string SystemZoneName();

// The reference city of `zoneName` in the time-zone database's table (zone1970.tab, else zone.tab,
// in `zoneInfoDir`); nothing for a zone the table does not list (UTC, links such as US/Eastern).
std::optional<ZoneLocation> ZoneReferenceLocation(const std::string& zoneName,
                                                  const std::string& zoneInfoDir = "/usr/share/zoneinfo");

// The table's ISO 6709 coordinates, "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS" (east positive there).
std::optional<ZoneLocation> ParseZoneCoordinates(const std::string& text);

}  // namespace talvo::platform
