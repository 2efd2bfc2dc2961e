// Options of the talvo-cli commands, read and checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvo {

struct CliDate {
    int year = 0, month = 0, day = 0;
};

struct CliTime {
    int hour = 0, minute = 0, second = 0;
};

// Exit codes of the companion.
inline constexpr int kCliOk = 0;
inline constexpr int kCliNothingFound = 1;
inline constexpr int kCliBadArguments = 2;

enum class CliCommand { Show, Find };

struct CliOptions {
    std::optional<double> latitudeDegrees;   // north positive
    std::optional<double> longitudeDegrees;  // WEST positive
    std::optional<double> utcOffsetHours;    // WEST positive: UT = local + offset
    std::optional<CliDate> date;             // local
    std::optional<CliTime> time;             // local
    std::optional<double> raHours;
    std::optional<double> decDegrees;
    double epoch = 2000.0;                   // epoch of --ra/--dec
    std::optional<int> planet;               // row of the solar-system list, 0 Sun ... 9 Pluto
    std::optional<double> fixedEpoch;        // the telescope's fixed epoch
    bool json = false;
    bool help = false;

    // find
    std::string name;                 // the name to search for (with "*" as a wildcard)
    std::string secondName;
    std::string minimumAltitude;      // degrees, as typed; empty: no limit
    std::string maximumAltitude;
    std::string faintestMagnitude;
    std::string catalogPath;          // empty: the default catalog beside the program
    bool bestOf = false;              // Best of the Sky instead of a name
};

// Reads the options of `command`; on a bad argument returns nothing and sets `error` to one
// line saying what is wrong.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, CliCommand command,
                                          std::string& error);

// The usage text of a command.
const char* CliUsage(CliCommand command);

}  // namespace talvo
