// Starting the separate sky-chart program with a chart centred on the current object, for the
// moment and the site the main window shows.
#pragma once

#include <string>
#include <vector>

#include "engine/current_object.h"
#include "session/session_state.h"

namespace talvo {

inline constexpr const char* kSkyChartNotFound = "Error: Skycharts not found!";

// The chart's field of view in degrees: 70 for the Sun, the Moon and the planets out to Saturn,
// 30 for Uranus and Neptune, 5 for Pluto; any other object by its magnitude, from 70 (brighter
// than 3) down to 5 (12 and fainter, or no magnitude known).
double SkyChartFieldOfView(const CurrentObject& object);

// A program and the arguments it is started with (its name not among them).
struct SkyChartCommand {
    std::string program;
    std::vector<std::string> arguments;
};

// The command of the present program "skychart" in `directory` (ending in "/"; empty: found on
// PATH), and of its older version "ciel" with the older options. Right ascension is given in
// decimal hours, declination in decimal degrees, the local date and time as
// YYYY-MM-DDTHH:MM:SS, and the site as LAT:+DDdMMmSS.Ss LON:DDDdMMmSS.Ss (longitude west
// positive) with the home file's name; numbers always carry a period, whatever the locale.
SkyChartCommand SkyChartProgramCommand(const SessionState& state, const std::string& directory);
SkyChartCommand SkyChartOlderCommand(const SessionState& state, const std::string& directory);

enum class SkyChartLaunch { kStarted, kOlderStarted, kNotFound };

// Starts the sky-chart program found as platform::SkyChartDirectory says: "skychart" first, then
// "ciel" when that cannot be started. kNotFound when neither started; the caller says
// kSkyChartNotFound (or logs it, in a script).
[[nodiscard]] SkyChartLaunch LaunchSkyChart(const SessionState& state);

}  // namespace talvo
