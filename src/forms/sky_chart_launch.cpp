#include "forms/sky_chart_launch.h"

#include <cmath>

#include "engine/numeric.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "platform/sky_chart.h"
#include "platform/start_program.h"

namespace talvo {

namespace {

// FormatFixed writes a period whatever the locale's decimal separator.
std::string Decimal(double value, int integerDigits) { return FormatFixed(value, integerDigits, 4); }

std::string RightAscensionText(const CurrentObject& object) {
    return Decimal(object.raHours + object.raMinutes / 60.0, 2);
}

// The sign comes from the degrees, or from decSign for declinations between 0 and -1 degree.
std::string DeclinationText(const CurrentObject& object) {
    const bool negative = object.decDegrees < 0 || object.decSign < 0;
    const double degrees = std::abs(object.decDegrees) + object.decMinutes / 60.0;
    return (negative ? "-" : "") + Decimal(degrees, 2);
}

std::string MomentText(const ClockState& clock) {
    return std::to_string(clock.year) + "-" + TwoDigits(clock.month) + "-" + TwoDigits(clock.day) + "T" +
           TwoDigits(clock.hour) + ":" + TwoDigits(clock.minute) + ":" + TwoDigits(clock.second);
}

// An angle in radians as degrees, minutes and seconds to a tenth: "+40d30m00.0s" (with
// `degreeDigits` digits of degrees and "+" only when `plusSign`). Rounded once, on the tenths
// of seconds, so that 59.97 seconds become the next minute instead of "60.0s"; the sign is the
// angle's own, also for angles between 0 and -1 degree.
std::string SexagesimalText(double radians, int degreeDigits, bool plusSign) {
    const double degrees = radians * kDegreesPerRadian;
    const long long tenths = std::llround(std::abs(degrees) * 36000.0);
    std::string text = degrees < 0.0 && tenths != 0 ? "-" : (plusSign ? "+" : "");
    text += FormatFixed(static_cast<double>(tenths / 36000), degreeDigits, 0) + "d";
    text += TwoDigits((tenths / 600) % 60) + "m";
    text += FormatFixed(static_cast<double>(tenths % 600) / 10.0, 2, 1) + "s";
    return text;
}

std::string LatitudeText(const SessionState& state) {
    return "LAT:" + SexagesimalText(state.site.latitude, 2, true);
}

std::string LongitudeText(const SessionState& state) {
    return "LON:" + SexagesimalText(state.site.longitude, 3, false);
}

std::string ObservatoryText(const SessionState& state) {
    return " ALT:000m OBS:" + Cp1252ToUtf8(state.homeFileName);
}

std::string FieldText(const CurrentObject& object) { return FormatFixed(SkyChartFieldOfView(object), 2, 2); }

std::string ProgramIn(const std::string& directory, const char* name) { return directory + name; }

}  // namespace

double SkyChartFieldOfView(const CurrentObject& object) {
    if (object.planetIndex >= kSun && object.planetIndex <= kPluto) {
        if (object.planetIndex <= 6) return 70.0;  // Sun to Saturn
        return object.planetIndex == kPluto ? 5.0 : 30.0;
    }
    // A blank magnitude is unknown, like 99: the object is taken to be faint.
    if (object.magnitudeText.find_first_of("0123456789") == std::string::npos) return 5.0;
    const double magnitude = LeadingNumber(object.magnitudeText);
    struct Step {
        double below;
        double field;
    };
    static constexpr Step kSteps[] = {{3, 70}, {5, 40}, {7, 30}, {9, 25}, {10, 20}, {11, 10}, {12, 8}};
    for (const Step& step : kSteps) {
        if (magnitude < step.below) return step.field;
    }
    return 5.0;
}

SkyChartCommand SkyChartProgramCommand(const SessionState& state, const std::string& directory) {
    const CurrentObject& object = state.object;
    return {ProgramIn(directory, "skychart"),
            {"--unique", "--setproj=ALTAZ", "--setfov=" + FieldText(object),
             "--setra=" + RightAscensionText(object), "--setdec=" + DeclinationText(object),
             "--setdate=" + MomentText(state.clock),
             "--setobs=" + LatitudeText(state) + LongitudeText(state) + ObservatoryText(state)}};
}

SkyChartCommand SkyChartOlderCommand(const SessionState& state, const std::string& directory) {
    const CurrentObject& object = state.object;
    return {ProgramIn(directory, "ciel"),
            {"-ar", RightAscensionText(object), "-de", DeclinationText(object), "-d", MomentText(state.clock),
             "-o", LatitudeText(state) + " " + LongitudeText(state) + ObservatoryText(state), "-w",
             FieldText(object)}};
}

SkyChartLaunch LaunchSkyChart(const SessionState& state) {
    const auto start = [](const SkyChartCommand& command) {
        std::vector<std::string> words{command.program};
        words.insert(words.end(), command.arguments.begin(), command.arguments.end());
        return platform::StartProgram(words).ok;
    };
    const std::string directory = platform::SkyChartDirectory();
    if (start(SkyChartProgramCommand(state, directory))) return SkyChartLaunch::kStarted;
    if (start(SkyChartOlderCommand(state, directory))) return SkyChartLaunch::kOlderStarted;
    return SkyChartLaunch::kNotFound;
}

}  // namespace talvo
