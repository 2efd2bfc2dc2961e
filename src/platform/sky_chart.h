// Where the separate sky-chart program is installed.
#pragma once

#include <string>

namespace talvo::platform {

// The directory of the sky-chart program, ending in "/": the directory named by the environment
// variable TALVO_SKYCHART_DIR when it exists, otherwise the first directory of PATH that holds
// an executable "skychart". Empty when neither finds it.
std::string SkyChartDirectory();

}  // namespace talvo::platform
