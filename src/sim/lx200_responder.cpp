#include "sim/lx200_responder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace talvo::sim {
namespace {

constexpr char kAck = '\x06';
// A command longer than this has lost its "#"; it is dropped. The longest real one is well under.
constexpr std::size_t kLongestCommand = 64;

// The value of `count` decimal digits at `text[at]`, or nothing.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsDegreeSeparator(char c) { return c == '*' || c == '\xDF' || c == ':' || c == '\''; }

}  // namespace

std::optional<double> ParseLx200RightAscension(std::string_view text) {
    const auto hours = Digits(text, 0, 2);
    const auto minutes = Digits(text, 3, 2);
    if (!hours || !minutes || text[2] != ':' || *hours > 23 || *minutes > 59) return std::nullopt;
    if (text.size() == 7 && text[5] == '.') {
        const auto tenths = Digits(text, 6, 1);
        if (!tenths) return std::nullopt;
        return *hours + (*minutes + *tenths / 10.0) / 60.0;
    }
    if (text.size() == 8 && text[5] == ':') {
        const auto seconds = Digits(text, 6, 2);
        if (!seconds || *seconds > 59) return std::nullopt;
        return *hours + *minutes / 60.0 + *seconds / 3600.0;
    }
    return std::nullopt;
}

std::optional<double> ParseLx200Declination(std::string_view text) {
    double sign = 1.0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        sign = text[0] == '-' ? -1.0 : 1.0;
        text.remove_prefix(1);
    }
    const auto degrees = Digits(text, 0, 2);
    const auto minutes = Digits(text, 3, 2);
    if (!degrees || !minutes || !IsDegreeSeparator(text[2]) || *minutes > 59) return std::nullopt;
    double value = *degrees + *minutes / 60.0;
    if (text.size() == 8 && (text[5] == ':' || text[5] == '\'')) {
        const auto seconds = Digits(text, 6, 2);
        if (!seconds || *seconds > 59) return std::nullopt;
        value += *seconds / 3600.0;
    } else if (text.size() != 5) {
        return std::nullopt;
    }
    if (value > 90.0) return std::nullopt;
    return sign * value;
}

Lx200Responder::Lx200Responder(Mount& mount, const Lx200Settings& settings)
    : mount_(mount), settings_(settings), target_(mount.Target()) {}

const std::vector<Lx200Responder::Command>& Lx200Responder::Commands() {
    static const std::vector<Command> kCommands = {
        {"GR", false, &Lx200Responder::GetRightAscension},
        {"GD", false, &Lx200Responder::GetDeclination},
        {"Sr", true, &Lx200Responder::SetRightAscension},
        {"Sd", true, &Lx200Responder::SetDeclination},
        {"MS", false, &Lx200Responder::Slew},
        {"Q", false, &Lx200Responder::Stop},
        {"U", false, &Lx200Responder::TogglePrecision},
        {"Gt", false, &Lx200Responder::GetLatitude},
        {"Gg", false, &Lx200Responder::GetLongitude},
        {"GG", false, &Lx200Responder::GetUtcOffset},
        {"GC", false, &Lx200Responder::GetDate},
        {"GL", false, &Lx200Responder::GetTime},
        {"St", true, &Lx200Responder::SetSiteOrTime},
        {"Sg", true, &Lx200Responder::SetSiteOrTime},
        {"SG", true, &Lx200Responder::SetSiteOrTime},
        {"SL", true, &Lx200Responder::SetSiteOrTime},
        {"SC", true, &Lx200Responder::SetDate},
    };
    return kCommands;
}

std::vector<std::string> Lx200Responder::Receive(std::string_view bytes, double now) {
    std::vector<std::string> replies;
    for (const char c : bytes) {
        if (!inCommand_) {
            if (c == ':') {
                inCommand_ = true;
                command_.clear();
            } else if (c == kAck) {
                replies.emplace_back("A");  // alignment query: alt-az
            }
        } else if (c == '#') {
            inCommand_ = false;
            replies.push_back(Dispatch(command_, now));
        } else if (command_.size() < kLongestCommand) {
            command_ += c;
        } else {
            inCommand_ = false;
        }
    }
    return replies;
}

std::string Lx200Responder::Dispatch(std::string_view text, double now) {
    for (const Command& command : Commands()) {
        if (text.substr(0, command.letters.size()) != command.letters) continue;
        std::string_view argument = text.substr(command.letters.size());
        if (!command.takesArgument && !argument.empty()) continue;
        if (!argument.empty() && argument[0] == ' ') argument.remove_prefix(1);
        return (this->*command.handler)(argument, now);
    }
    return {};  // unknown commands answer nothing
}

std::string Lx200Responder::GetRightAscension(std::string_view /*argument*/, double now) {
    const double hours = mount_.PointingAt(now).raHours;
    char text[48];
    if (settings_.highPrecision) {
        const long seconds = std::lround(hours * 3600.0) % 86400;
        std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld#", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    } else {
        const long tenths = std::lround(hours * 600.0) % 14400;  // tenths of a minute of time
        std::snprintf(text, sizeof text, "%02ld:%02ld.%ld#", tenths / 600, tenths / 10 % 60, tenths % 10);
    }
    return text;
}

std::string Lx200Responder::GetDeclination(std::string_view /*argument*/, double now) {
    const double degrees = mount_.PointingAt(now).decDegrees;
    const double unitsPerDegree = settings_.highPrecision ? 3600.0 : 60.0;
    const long units = std::lround(std::abs(degrees) * unitsPerDegree);
    const char sign = degrees < 0.0 && units != 0 ? '-' : '+';
    char text[48];
    if (settings_.highPrecision) {
        std::snprintf(text, sizeof text, "%c%02ld%c%02ld:%02ld#", sign, units / 3600, settings_.degreeMark,
                      units / 60 % 60, units % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%02ld%c%02ld#", sign, units / 60, settings_.degreeMark,
                      units % 60);
    }
    return text;
}

std::string Lx200Responder::SetRightAscension(std::string_view argument, double /*now*/) {
    const auto hours = ParseLx200RightAscension(argument);
    if (!hours) return "0";
    target_.raHours = *hours;
    return "1";
}

std::string Lx200Responder::SetDeclination(std::string_view argument, double /*now*/) {
    const auto degrees = ParseLx200Declination(argument);
    if (!degrees) return "0";
    target_.decDegrees = *degrees;
    return "1";
}

std::string Lx200Responder::Slew(std::string_view /*argument*/, double now) {
    if (settings_.refuseSlew) return "1Object Below Horizon#";
    mount_.GoTo(target_, now);
    return "0";
}

std::string Lx200Responder::Stop(std::string_view /*argument*/, double now) {
    mount_.Stop(now);
    return {};
}

std::string Lx200Responder::TogglePrecision(std::string_view /*argument*/, double /*now*/) {
    settings_.highPrecision = !settings_.highPrecision;
    return {};
}

std::string Lx200Responder::Tick(double now) {
    if (dateUpdateAt_ < 0.0 || now < dateUpdateAt_) return {};
    dateUpdateAt_ = -1.0;
    return kDateUpdateText;
}

namespace {

// "sDD*MM" or "sDDD*MM" from degrees: the sign, whole degrees in `width` digits and whole minutes.
std::string SignedAngle(double degrees, int width, char mark) {
    const long minutes = std::lround(std::abs(degrees) * 60.0);
    char text[32];
    std::snprintf(text, sizeof text, "%c%0*ld%c%02ld#", degrees < 0.0 && minutes != 0 ? '-' : '+', width,
                  minutes / 60, mark, minutes % 60);
    return text;
}

}  // namespace

std::string Lx200Responder::GetLatitude(std::string_view /*argument*/, double /*now*/) {
    return SignedAngle(settings_.site.latitudeDegrees, 2, settings_.degreeMark);
}

std::string Lx200Responder::GetLongitude(std::string_view /*argument*/, double /*now*/) {
    return SignedAngle(settings_.site.longitudeDegrees, 3, settings_.degreeMark);
}

std::string Lx200Responder::GetUtcOffset(std::string_view /*argument*/, double /*now*/) {
    char text[32];
    std::snprintf(text, sizeof text, "%c%04.1f#", settings_.site.utcOffsetHours < 0.0 ? '-' : '+',
                  std::abs(settings_.site.utcOffsetHours));
    return text;
}

std::string Lx200Responder::GetDate(std::string_view /*argument*/, double /*now*/) {
    const SimMoment local = SiteMoment(settings_.site, true);
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d#", local.month, local.day, local.year % 100);
    return text;
}

std::string Lx200Responder::GetTime(std::string_view /*argument*/, double /*now*/) {
    const SimMoment local = SiteMoment(settings_.site, true);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d#", local.hour, local.minute, local.second);
    return text;
}

// Site, offset and time are taken as they come; the simulator keeps its own.
std::string Lx200Responder::SetSiteOrTime(std::string_view argument, double /*now*/) {
    return argument.empty() ? "0" : "1";
}

std::string Lx200Responder::SetDate(std::string_view argument, double now) {
    if (argument.empty()) return "0";
    dateUpdateAt_ = now + kDateUpdateDelay;
    return "1";
}

}  // namespace talvo::sim
