#include "app/cli_options.h"

namespace talvo {

namespace {

// From 0 up to, not including, 24 hours.
CliRead<double> ReadRightAscension(const std::string& text) {
    const std::string outside = "right ascension must be from 0 to 24 hours";
    CliRead<double> hours = ReadDecimal(text, 0, 24, outside);
    return hours.value == 24.0 ? CliRead<double>{std::nullopt, outside} : hours;
}

}  // namespace

void AddSessionOptions(CLI::App& command, CliSessionOptions& options) {
    const std::string group = "Site and moment";
    command
        .add_option("--home", options.homeFile,
                    "the home location file of the site and the telescope settings\n"
                    "(default: TALVO.HOM as the window finds it); the options below\n"
                    "win over it")
        ->type_name("FILE")
        ->group(group);
    AddReadOption(command, "--lat", options.latitudeDegrees,
                  DecimalIn(-90, 90, "latitude must be between -90 and 90 degrees"),
                  "latitude, north positive (default: the home file's, or 0)")
        ->type_name("DEG")
        ->group(group);
    AddReadOption(command, "--lon", options.longitudeDegrees,
                  DecimalIn(-180, 180, "longitude must be between -180 and 180 degrees (west positive)"),
                  "longitude, WEST positive (default: the home file's, or 0)")
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

void AddObjectOptions(CLI::App& command, CliObjectOptions& options) {
    CLI::Option* ra = AddReadOption(command, "--ra", options.raHours, ReadRightAscension,
                                    "right ascension, of epoch --epoch")
                          ->type_name("HOURS");
    CLI::Option* dec = AddReadOption(command, "--dec", options.decDegrees,
                                     DecimalIn(-90, 90, "declination must be between -90 and 90 degrees"),
                                     "declination, of epoch --epoch")
                           ->type_name("DEG");
    ra->needs(dec);
    dec->needs(ra);
    AddReadOption(command, "--epoch", options.epoch,
                  DecimalIn(1900, 2200, "the epoch must be a year from 1900 to 2200"),
                  "the epoch of --ra and --dec (default 2000)")
        ->type_name("YEAR");
    options.raOption = ra;
    options.planetOption =
        AddReadOption(
            command, "--planet", options.planet,
            [](const std::string& text) {
                return ReadWhole(text, 0, 9, "the body is a number from 0 (Sun) to 9 (Pluto)");
            },
            "a body of the solar-system list: 0 Sun, 1 Mercury, 2 Venus,\n"
            "3 Moon, 4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto")
            ->type_name("N")
            ->excludes(ra)
            ->excludes(dec);
}

}  // namespace talvo
