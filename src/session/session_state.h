// The one application-wide state: site, clock, current object, options, files and colours.
#pragma once

#include <array>
#include <string>

#include "engine/clock_state.h"
#include "engine/current_object.h"
#include "engine/observer_site.h"
#include "platform/time_zone.h"
#include "session/colours.h"
#include "session/scope_settings.h"
#include "session/search_state.h"

namespace talvo {

// Content flags of a catalog, from the flag character of its first line.
struct CatalogContents {
    bool full = true;  // F: a full catalog carrying the Best-of markers
    bool doubles = false, galaxies = false, openClusters = false, planetaries = false, nebulae = false,
         stars = false, quasars = false, globulars = false;  // D, G, O, P, N, S, Q, L
};

inline constexpr double kFirstUseUnset = 1000000.0;  // a first-use date below this is not set

struct SessionState {
    ObserverSite site;
    ClockState clock;
    CurrentObject object;
    ScopeSettings scope;
    SearchState search;

    // File names relative to the folders below: read from appDir when there, else from dataDir;
    // written to appDir.
    std::string homeFileName = "TALVO.HOM";
    std::string catalogFileName = "FULL.TLV";
    std::string matchesFileName = "MATCHES.TXT";
    std::string logFileName = "TALVOLOG.TXT";

    // The current catalog: its folder (ending in "/", or empty for the program directory), the
    // flag of its first line (column 88), what that flag says it holds, and the epoch of the
    // lines appended to it.
    std::string catalogFolder;
    char catalogFlag = 'F';
    CatalogContents contents;
    bool longNameCatalog = false;
    double catalogEpoch = 2000.0;

    // Where files are written (the program's folder when it is writable, else the user's data
    // folder) and where the shipped catalogs, default home file and guide are read; both end in
    // "/" and are the same folder unless TALVO is installed. An empty dataDir is appDir.
    std::string appDir;
    std::string dataDir;
    std::string transientDir;  // appDir + "TransientCats/"

    Colour backColor = kDarkRed;   // main window background
    Colour textColor = kYellow;    // main window text
    Colour highlightColor = kRed;  // highlighted buttons and prompts
    // The day colours, kept while night vision recolours the screen and restored after it.
    Colour dayBackColor = kDarkRed;
    Colour dayTextColor = kYellow;
    Colour dayHighlightColor = kRed;

    bool fullCatalogInUse = true;  // the default composite catalog is current
    bool nightVision = false;      // the screen is in night colours
    bool doNotLoadTime = false;    // "Load Time From GPS or Scope" is unchecked

    // The home file: the format version it was read with (12 is written) and the Julian date of
    // the first start (below kFirstUseUnset: not yet set, the first-run path).
    double homeFileVersion = 12.0;
    double firstUseDate = 0.0;

    // The observing log: empty until this run's header is written, then two blanks, then the
    // first name of the object last written.
    std::string lastLoggedObject;
    bool configDirty = false;   // configuration changed since loaded or saved
    bool riseSetValid = false;  // the rise, transit and set times shown are current
    bool scriptMode = false;    // running unattended: no message boxes, results in exit codes
};

// Sets utcOffsetHours and standardOffsetHours from the zone and recomputes the zone letters.
void ApplySystemTimeZone(SessionState& state, const platform::TimeZone& zone);

// Decides the date order from the site (month-day-year for sites in the United States).
void ApplyDateOrder(SessionState& state);

// One catalog line as the session takes it.
struct CatalogEntry {
    std::array<std::string, 5> names;  // as the line holds them, 12 characters each
    std::string magnitudeText;         // the magnitude field as written (blank when unknown)
    double raHours = 0.0;              // 0 <= ra < 24
    double decDegrees = 0.0;           // -90 to 90
    double epoch = 2000.0;             // the year of the position
};

// Makes a catalog entry the current object: its names and magnitude, and its position moved
// from the entry's epoch to the epoch positions are presented in. The clock's time scales
// (CalcTime) must be current.
void SelectEntry(SessionState& state, const CatalogEntry& entry);

// Sets a fictitious local moment, which stands still until changed: the time scales follow,
// and a catalog or typed position moves from the epoch it was shown in to that of the moment.
void SetLocalMoment(SessionState& state, const LocalDateTime& moment);

// Makes a position typed in or given on a command line the current object: stores it with its
// epoch and precesses it to the epoch positions are presented in. The clock's time scales
// (CalcTime) must be current, since the epoch of date comes from them.
void SelectPosition(SessionState& state, double raHours, double decDegrees, double epoch);

}  // namespace talvo
