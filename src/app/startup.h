// Start-up of the session, before the main window opens.
#pragma once

#include <string>

#include "platform/time_zone.h"
#include "session/session_state.h"

namespace talvo {

struct SessionStart {
    // False when the program's folder cannot be found; files are then looked for in the
    // working directory.
    bool programDirFound = false;
    // What the main window's status line shows first: why the default catalog cannot be read,
    // or else a hint that depends on whether the sky-chart program is installed.
    std::string status;
};

// Fills the session's start-up state in order: the defaults (the SessionState constructor),
// the writable, data and transient directories, the time zone and the date order, then looks for the
// default catalog and the sky-chart program. The main window's load handler then reads the
// clock and does the first refresh.
[[nodiscard]] SessionStart StartSession(SessionState& state, const platform::TimeZone& zone);

}  // namespace talvo
