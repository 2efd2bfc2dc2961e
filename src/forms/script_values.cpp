#include "forms/script_values.h"

#include <cmath>

#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr std::size_t kNone = std::string::npos;

double NumberAfter(const std::string& text, std::size_t at) {
    return at >= text.size() ? 0.0 : LeadingNumber(text.substr(at));
}

bool IsWhole(double value) { return value == std::trunc(value); }

std::string LeftTrimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == kNone ? std::string() : text.substr(first);
}

// The command through the "M" at `m`, or up to its first blank when there is none.
std::string Through(const std::string& command, std::size_t m) {
    if (m != kNone) return command.substr(0, m + 1);
    return command.substr(0, command.find(' '));
}

// The rest of the command after the "M" that ends the second position (from `from` on).
std::string RestAfterM(const std::string& command, const std::string& upper, std::size_t from) {
    const std::size_t m = upper.find('M', from);
    return m == kNone ? std::string() : LeftTrimmed(command.substr(m + 1));
}

}  // namespace

ScriptTime ReadScriptTime(const std::string& value, bool withSeconds) {
    ScriptTime time;
    const std::size_t colon = value.find(':');
    if (colon == kNone) {
        time.error = "Invalid time format - no ':'";
        return time;
    }
    const double hour = LeadingNumber(value);
    const double minute = NumberAfter(value, colon + 1);
    if (hour < 0 || hour > 23 || !IsWhole(hour)) {
        time.error = "Invalid time format: invalid hour";
    } else if (minute < 0 || minute > 59 || !IsWhole(minute)) {
        time.error = "Invalid time format: invalid minutes";
    }
    double second = 0.0;
    const std::size_t secondColon = value.find(':', colon + 1);
    if (time.error.empty() && withSeconds && secondColon != kNone) {
        second = NumberAfter(value, secondColon + 1);
        if (second < 0 || second > 59 || !IsWhole(second))
            time.error = "Invalid time format: invalid seconds";
    }
    time.hour = static_cast<int>(hour);
    time.minute = static_cast<int>(minute);
    time.second = static_cast<int>(second);
    return time;
}

ScriptPoint ReadAltAz(const std::string& command) {
    ScriptPoint point;
    const std::string upper = UpperCase(command);
    const std::size_t equal = upper.find('=');
    const std::size_t secondEqual = upper.find('=', equal + 1);
    const std::size_t d = upper.substr(0, secondEqual).find('D', equal + 1);
    if (d == kNone) {
        point.error = "Alt Degrees not specified";
        return point;
    }
    point.firstDegrees = NumberAfter(command, equal + 1);
    if (point.firstDegrees < 0 || point.firstDegrees > 90) {
        point.error = "invalid Altitude";
        return point;
    }
    const std::size_t m = upper.find('M', d + 1);
    if (m == kNone) {
        point.error = "Alt degrees not specified";
        return point;
    }
    point.firstMinutes = NumberAfter(command, d + 1);
    if (point.firstMinutes < 0 || point.firstMinutes >= 60) {
        point.error = "invalid Altitude minutes";
        return point;
    }
    point.first = point.firstDegrees + point.firstMinutes / 60.0;
    if (point.first > 90.0) {  // 90D30M is past the zenith
        point.error = "invalid Altitude";
        return point;
    }
    point.name1 = Through(command, m);
    const std::size_t azimuthEqual = upper.find('=', m + 1);
    if (azimuthEqual == kNone) {
        point.error = "'AZ=' not specified";
        return point;
    }
    point.secondDegrees = NumberAfter(command, azimuthEqual + 1);
    if (point.secondDegrees < 0 || point.secondDegrees >= 360) {
        point.error = "invalid Azimuth degrees";
        return point;
    }
    const std::size_t azimuthD = upper.find('D', azimuthEqual + 1);
    point.secondMinutes = azimuthD == kNone ? 0.0 : NumberAfter(command, azimuthD + 1);
    if (point.secondMinutes < 0 || point.secondMinutes >= 60) {
        point.error = "invalid Azimuth minutes";
        return point;
    }
    point.second = point.secondDegrees + point.secondMinutes / 60.0;
    point.name2 = RestAfterM(command, upper, azimuthD == kNone ? azimuthEqual + 1 : azimuthD + 1);
    return point;
}

ScriptPoint ReadRaDec(const std::string& command) {
    ScriptPoint point;
    const std::string upper = UpperCase(command);
    const std::size_t equal = upper.find('=');
    const std::size_t h = upper.find('H', equal + 1);
    if (h == kNone) {
        point.error = "'hour' not specified";
        return point;
    }
    const double hours = NumberAfter(command, equal + 1);
    if (hours < 0 || hours > 23) {
        point.error = "invalid RA hour";
        return point;
    }
    const double minutes = NumberAfter(command, h + 1);
    if (minutes < 0 || minutes >= 60) {
        point.error = "invalid RA minutes";
        return point;
    }
    point.first = hours + minutes / 60.0;
    if (point.first >= 24.0) {  // 23.5H45M is past 24 hours
        point.error = "invalid RA hour";
        return point;
    }
    const std::size_t m = upper.find('M', h + 1);
    point.name1 = Through(command, m);
    const std::size_t decEqual = upper.find('=', h + 1);
    if (decEqual == kNone) {
        point.error = "'dec=' not specified";
        return point;
    }
    const double degrees = NumberAfter(command, decEqual + 1);
    if (degrees < -90 || degrees > 90) {
        point.error = "invalid Dec degrees";
        return point;
    }
    const std::size_t d = upper.find('D', decEqual + 1);
    const double decMinutes = d == kNone ? 0.0 : NumberAfter(command, d + 1);
    if (decMinutes < 0 || decMinutes >= 60) {
        point.error = "invalid Dec minutes";
        return point;
    }
    const bool south = LeftTrimmed(command.substr(decEqual + 1)).rfind('-', 0) == 0;
    const double magnitude = std::fabs(degrees) + decMinutes / 60.0;
    if (magnitude > 90.0) {  // -90D30M is past the pole
        point.error = "invalid Dec degrees";
        return point;
    }
    point.second = south ? -magnitude : magnitude;
    point.name2 = RestAfterM(command, upper, d == kNone ? decEqual + 1 : d + 1);
    return point;
}

ScriptEpoch ReadEpoch(const std::string& line, std::size_t keywordStart) {
    ScriptEpoch epoch;
    const std::size_t from = keywordStart >= 4 ? keywordStart - 4 : 0;
    epoch.text = line.substr(from, keywordStart - from);
    epoch.year = LeadingNumber(epoch.text);
    epoch.text = LeftTrimmed(epoch.text);
    if (epoch.year < 1800 || epoch.year > 2200) epoch.error = "Invalid epoch Specified";
    return epoch;
}

bool WholeNumberIn(const std::string& value, int low, int high, int& number) {
    const double read = LeadingNumber(value);
    if (read < low || read > high || !IsWhole(read)) return false;
    number = static_cast<int>(read);
    return true;
}

}  // namespace talvo
