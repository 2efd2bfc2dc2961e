// Start-up of the session, before the main window opens.
#pragma once

#include "platform/time_zone.h"
#include "session/session_state.h"

namespace talvo {

// Fills the session's start-up state in order: the defaults (the SessionState constructor),
// the program and transient directories, the time zone and the date order. Returns false when
// the program directory cannot be found, in which case files are looked for in the working
// directory. The main window's load handler then reads the clock and does the first refresh.
bool StartSession(SessionState& state, const platform::TimeZone& zone);

}  // namespace talvo
