#include "app/cli_options.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

namespace talvo {

namespace {

// The whole text must be a finite number (leading and trailing blanks allowed).
std::optional<double> StrictNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    while (*end == ' ') ++end;
    if (*end != '\0') return std::nullopt;
    return value;
}

bool IsLeapYear(int year) { return year % 4 == 0 && year != 2100; }

int DaysIn(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads "a<sep>b<sep>c" of whole numbers; false on anything else.
bool ThreeNumbers(const std::string& text, char sep, int& a, int& b, int& c) {
    char s1 = 0, s2 = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c%d%n", &a, &s1, &b, &s2, &c, &consumed) != 5) return false;
    return s1 == sep && s2 == sep && static_cast<std::size_t>(consumed) == text.size();
}

std::string RangeError(const std::string& option, const std::string& what) {
    return option + ": " + what;
}

}  // namespace

const char* CliUsage(CliCommand command) {
    if (command == CliCommand::Find) {
        return "usage: talvo-cli find NAME [--second NAME] [--min-alt DEG] [--max-alt DEG] [--max-mag MAG]\n"
               "                      [--catalog FILE] [site and moment options of show]\n"
               "       talvo-cli find --best-of [--catalog FILE] [site and moment options of show]\n"
               "  NAME                a name as the window's search takes it: M31, crab, NGC 7009,\n"
               "                      Alp* Lib ('*' is a wildcard; a trailing blank demands the whole name)\n"
               "  --second NAME       a second name every match must also carry\n"
               "  --min-alt, --max-alt  the altitude window, degrees (default -90 and 90)\n"
               "  --max-mag MAG       the faintest magnitude\n"
               "  --catalog FILE      the catalog to search (default FULL.TLV beside the program)\n"
               "  --best-of           the Best of the Sky for the site and moment\n"
               "Prints every match as the matches file lists it, then the closing message. Exit code 0\n"
               "when something was found, 1 when nothing was, 2 for bad arguments.\n";
    }
    return "usage: talvo-cli show [--lat DEG] [--lon DEG] [--utc-offset HOURS]\n"
           "                      [--date YYYY-MM-DD] [--time HH:MM:SS]\n"
           "                      [--ra HOURS --dec DEGREES [--epoch YEAR] | --planet N]\n"
           "                      [--fixed-epoch YEAR]\n"
           "                      [--json]\n"
           "  --lat DEG           latitude, north positive (default 0)\n"
           "  --lon DEG           longitude, WEST positive (default 0)\n"
           "  --utc-offset HOURS  hours WEST of UTC, UT = local time + offset (default: the system's)\n"
           "  --date, --time      a local moment 1980-2199 (fictitious time, as the window's Date and\n"
           "                      Time commands set it); default: now, in real time\n"
           "  --ra, --dec         a position, in hours and degrees, of epoch --epoch (default 2000)\n"
           "  --planet N          a body of the solar-system list: 0 Sun, 1 Mercury, 2 Venus, 3 Moon,\n"
           "                      4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto\n"
           "  --fixed-epoch YEAR  present positions in this epoch in real time, as a telescope that\n"
           "                      works in a fixed epoch (J2000) sees them\n"
           "  --json              one JSON object with the texts and the raw numbers\n";
}

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, CliCommand command,
                                          std::string& error) {
    CliOptions options;
    const bool find = command == CliCommand::Find;
    using Handler = std::function<bool(const std::string& name, const std::string& value)>;

    // A number within [low, high]; `store` keeps it (as the number or as the text typed).
    auto checked = [&error](double low, double high, const char* what, auto store) {
        return Handler([low, high, what, store, &error](const std::string& name, const std::string& value) {
            std::optional<double> parsed = StrictNumber(value);
            if (!parsed) {
                error = name + ": '" + value + "' is not a number";
                return false;
            }
            if (*parsed < low || *parsed > high) {
                error = RangeError(name, what);
                return false;
            }
            store(*parsed, value);
            return true;
        });
    };
    auto number = [&](std::optional<double>& target, double low, double high, const char* what) {
        return checked(low, high, what, [&target](double parsed, const std::string&) { target = parsed; });
    };
    auto text = [&](std::string& target) {
        return Handler([&target](const std::string&, const std::string& value) {
            target = value;
            return true;
        });
    };
    auto limit = [&](std::string& target, double low, double high, const char* what) {
        return checked(low, high, what, [&target](double, const std::string& value) { target = value; });
    };
    std::optional<double> epoch;
    std::optional<double> planet;
    std::map<std::string, Handler> valued = {
        {"--lat", number(options.latitudeDegrees, -90, 90, "latitude must be between -90 and 90 degrees")},
        {"--lon", number(options.longitudeDegrees, -180, 180, "longitude must be between -180 and 180 degrees (west positive)")},
        {"--utc-offset", number(options.utcOffsetHours, -14, 14, "the UTC offset must be between -14 and 14 hours (west positive)")},
        {"--ra", number(options.raHours, 0, 24, "right ascension must be from 0 to 24 hours")},
        {"--dec", number(options.decDegrees, -90, 90, "declination must be between -90 and 90 degrees")},
        {"--epoch", number(epoch, 1900, 2200, "the epoch must be a year from 1900 to 2200")},
        {"--fixed-epoch", number(options.fixedEpoch, 1900, 2200, "the fixed epoch must be a year from 1900 to 2200")},
        {"--planet", number(planet, 0, 9, "the body is a number from 0 (Sun) to 9 (Pluto)")},
        {"--date", [&](const std::string& name, const std::string& value) {
             CliDate d;
             if (!ThreeNumbers(value, '-', d.year, d.month, d.day)) {
                 error = name + ": '" + value + "' is not a date of the form YYYY-MM-DD";
                 return false;
             }
             if (d.year < 1980 || d.year > 2199) {
                 error = RangeError(name, "the year must be from 1980 to 2199");
                 return false;
             }
             if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysIn(d.month, d.year)) {
                 error = name + ": " + value + " is not a date of the calendar";
                 return false;
             }
             options.date = d;
             return true;
         }},
        {"--time", [&](const std::string& name, const std::string& value) {
             CliTime t;
             if (!ThreeNumbers(value, ':', t.hour, t.minute, t.second)) {
                 error = name + ": '" + value + "' is not a time of the form HH:MM:SS";
                 return false;
             }
             if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
                 error = name + ": " + value + " is not a time of day (00:00:00 to 23:59:59)";
                 return false;
             }
             options.time = t;
             return true;
         }},
    };
    if (find) {
        for (const char* showOnly : {"--ra", "--dec", "--epoch", "--planet"}) valued.erase(showOnly);
        valued["--second"] = text(options.secondName);
        valued["--catalog"] = text(options.catalogPath);
        valued["--min-alt"] = limit(options.minimumAltitude, -90, 90, "the altitude must be between -90 and 90 degrees");
        valued["--max-alt"] = limit(options.maximumAltitude, -90, 90, "the altitude must be between -90 and 90 degrees");
        valued["--max-mag"] = limit(options.faintestMagnitude, -30, 100, "the magnitude must be between -30 and 100");
    }

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "--json" && !find) {
            options.json = true;
            continue;
        }
        if (name == "--best-of" && find) {
            options.bestOf = true;
            continue;
        }
        if (find && (name.empty() || name[0] != '-')) {
            if (!options.name.empty()) {
                error = "one name only: '" + options.name + "' and '" + name + "' (quote a name with blanks)";
                return std::nullopt;
            }
            options.name = name;
            continue;
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        std::optional<std::string> value;
        if (std::size_t eq = name.find('='); eq != std::string::npos && name.rfind("--", 0) == 0) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        auto handler = valued.find(name);
        if (handler == valued.end()) {
            error = "unknown option '" + name + "' (talvo-cli " + (find ? "find" : "show") +
                    " --help lists the options)";
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!handler->second(name, *value)) return std::nullopt;
    }
    if (options.raHours.has_value() != options.decDegrees.has_value()) {
        error = "a position needs both --ra and --dec";
        return std::nullopt;
    }
    if (options.raHours && *options.raHours >= 24.0) {
        error = RangeError("--ra", "right ascension must be from 0 to 24 hours");
        return std::nullopt;
    }
    if (find && !options.help && options.name.empty() == !options.bestOf) {
        error = options.bestOf ? "give either a name or --best-of, not both" : "give the name to search for, or --best-of";
        return std::nullopt;
    }
    if (epoch) options.epoch = *epoch;
    if (planet) {
        if (*planet != static_cast<int>(*planet)) {
            error = RangeError("--planet", "the body is a number from 0 (Sun) to 9 (Pluto)");
            return std::nullopt;
        }
        if (options.raHours) {
            error = "give either --planet or --ra and --dec, not both";
            return std::nullopt;
        }
        options.planet = static_cast<int>(*planet);
    }
    return options;
}

}  // namespace talvo
