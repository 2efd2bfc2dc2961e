// The session's values as the home location file stores them.
#pragma once

#include "session/home_file_format.h"
#include "session/session_state.h"

namespace talvo {

inline constexpr int kHomeFileVersionWritten = 12;

// The record that saving writes: the site, the colours (the day colours while night vision is
// on), the telescope options and the first-use date. A stored model code below 100 is a bare
// type code, replaced by the current type code.
HomeRecord RecordFromSession(const SessionState& state);

}  // namespace talvo
