// The command-line companion: the main window's computations and searches for a site, a moment
// and a position, without a window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/time_zone.h"

namespace talvo {

// Runs `talvo-cli` with its arguments (without the program name). Results and help go to `out`,
// the one line that explains a bad argument to `err`. Returns the process exit code.
int RunCli(const std::vector<std::string>& args, const platform::Clock& clock,
           const platform::TimeZone& systemZone, std::ostream& out, std::ostream& err);

}  // namespace talvo
