#include "app/cli_options.h"

namespace talvo {

void AddSessionOptions(CLI::App& command, CliSessionOptions& options) {
    const std::string group = "Site and moment";
    AddReadOption(command, "--lat", options.latitudeDegrees,
                  DecimalIn(-90, 90, "latitude must be between -90 and 90 degrees"),
                  "latitude, north positive (default 0)")
        ->type_name("DEG")
        ->group(group);
    AddReadOption(command, "--lon", options.longitudeDegrees,
                  DecimalIn(-180, 180, "longitude must be between -180 and 180 degrees (west positive)"),
                  "longitude, WEST positive (default 0)")
        ->type_name("DEG")
        ->group(group);
    AddReadOption(command, "--utc-offset", options.utcOffsetHours,
                  DecimalIn(-14, 14, "the UTC offset must be between -14 and 14 hours (west positive)"),
                  "hours WEST of UTC: UT = local time + offset\n(default: the system's time zone)")
        ->type_name("HOURS")
        ->group(group);
    AddReadOption(command, "--date", options.date, ReadDate,
                  "a local date from 1980 to 2199, fictitious time as the\n"
                  "window's Date command sets it (default: today, in real time)")
        ->type_name("YYYY-MM-DD")
        ->group(group);
    AddReadOption(command, "--time", options.time, ReadTime,
                  "a local time, fictitious time as the window's Time command\n"
                  "sets it (default: now, in real time)")
        ->type_name("HH:MM:SS")
        ->group(group);
    AddReadOption(command, "--fixed-epoch", options.fixedEpoch,
                  DecimalIn(1900, 2200, "the fixed epoch must be a year from 1900 to 2200"),
                  "present positions in this epoch in real time, as a telescope\n"
                  "that works in a fixed epoch (J2000) sees them")
        ->type_name("YEAR")
        ->group(group);
}

}  // namespace talvo
