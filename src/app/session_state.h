// The one application-wide state: site, clock, current object, options, files and colours.
#pragma once

#include <string>

#include "app/colours.h"
#include "engine/clock_state.h"
#include "engine/current_object.h"
#include "engine/observer_site.h"
#include "platform/time_zone.h"
#include "scope/scope_settings.h"

namespace talvo {

struct SessionState {
    ObserverSite site;
    ClockState clock;
    CurrentObject object;
    ScopeSettings scope;

    // File names relative to the program directory.
    std::string homeFileName = "TALVO.HOM";
    std::string catalogFileName = "FULL.TLV";
    std::string matchesFileName = "MATCHES.TXT";
    std::string logFileName = "TALVOLOG.TXT";

    std::string appDir;        // directory of the executable, ending in "/"
    std::string transientDir;  // appDir + "TransientCats/"

    Colour backColor = kDarkRed;     // main window background
    Colour textColor = kYellow;      // main window text
    Colour highlightColor = kRed;    // highlighted buttons and prompts

    bool fullCatalogInUse = true;  // the default composite catalog is current
    bool configDirty = false;      // configuration changed since loaded or saved
    bool riseSetValid = false;     // the rise, transit and set times shown are current
};

// Sets utcOffsetHours and standardOffsetHours from the zone and recomputes the zone letters.
void ApplySystemTimeZone(SessionState& state, const platform::TimeZone& zone);

// Decides the date order from the site (month-day-year for sites in the United States).
void ApplyDateOrder(SessionState& state);

// Makes a position typed in or given on a command line the current object: stores it with its
// epoch and precesses it to the epoch positions are presented in. The clock's time scales
// (CalcTime) must be current, since the epoch of date comes from them.
void SelectPosition(SessionState& state, double raHours, double decDegrees, double epoch);

}  // namespace talvo
