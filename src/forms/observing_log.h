// The observing log: notes typed by the observer and, in script mode, the outcome of each script
// command, appended to the file logFileName in the writable folder (appDir).
#pragma once

#include <string>

#include "forms/dialog_services.h"
#include "session/session_state.h"

namespace talvo {

// Appends one entry to appDir + logFileName (created when missing), as Windows-1252 text with
// CR LF line ends:
//   - the first entry of the run starts with a blank line (two blanks), a header naming the
//     date, local time, UTC, home file, site and telescope type, and another blank line;
//   - then a line naming the current object with its altitude (degrees, apparent), the date and
//     the local time, or "No Object Selected  " with the date and time; in script mode the
//     object line is left out while the object is the one last written;
//   - then `text` as its own line.
// The entry goes to the file in one locked append, so entries of two TALVO processes never
// interleave. lastLoggedObject records the header and the object written. The clock's date
// and time and the object's last computed altitude are used (the time scales are recomputed
// here). On failure the observer hears the beep and, outside script mode, is told
// "CAN'T WRITE TO OBSERVING LOG " + logFileName; nothing in the session changes, and the
// result is false.
[[nodiscard]] bool WriteLog(SessionState& state, DialogServices& dialogs, const std::string& text);

}  // namespace talvo
