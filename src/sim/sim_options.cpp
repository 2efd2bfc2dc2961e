#include "sim/sim_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

namespace talvo::sim {
namespace {

std::optional<double> Number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<unsigned long long> Count(const std::string& text) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return value;
}

}  // namespace

const char* SimUsage() {
    return "usage: talvo-sim --protocol lx200|nexstar|nexstar-binary|gt-binary|nmea [options]\n"
           "  --ra HOURS             initial right ascension, 0 to 24 (default 0)\n"
           "  --dec DEGREES          initial declination, -90 to 90 (default 90)\n"
           "  --slew-rate DEG_PER_S  slew speed on each axis (default 4)\n"
           "  --not-aligned          NexStar: J answers not aligned\n"
           "  --high-precision       LX200: HH:MM:SS and sDD*MM:SS replies from the start\n"
           "  --degree-mark dfh|star LX200 degree separator in replies (default dfh, byte 0xDF)\n"
           "  --refuse-slew          LX200: :MS# answers 1Object Below Horizon#\n"
           "  --lat DEGREES          site latitude, north positive (default 0)\n"
           "  --lon DEGREES          site longitude, WEST positive (default 0)\n"
           "  --utc-offset HOURS     hours west of UTC: UTC = local + offset (default 0)\n"
           "  --gps-delay SECONDS    NexStar: GPS link and valid time after this long (default 0)\n"
           "  --log FILE             log every byte received and sent\n"
           "  --no-reply             read and log, never answer\n"
           "  --garbage              answer every command with random bytes\n"
           "  --hang-up-after N      close the line after N bytes received and exit\n"
           "  --play FILE            NMEA: play a recording at 4800 baud pace (lines starting # skipped)\n"
           "  --loop                 NMEA: play the recording again and again\n"
           "  --lat DEGREES          NMEA without --play: latitude, north positive (default 0)\n"
           "  --lon DEGREES          NMEA without --play: longitude, WEST positive (default 0)\n"
           "  --link PATH            a symbolic link PATH to the device while running\n"
           "The device path is the first line of standard output. SIGTERM or SIGINT ends it.\n";
}

ParsedOptions ParseSimOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    SimOptions& o = parsed.options;
    bool protocolGiven = false;
    // Options taking a value: the handler reads it and returns an error text, empty when valid.
    const std::map<std::string, std::function<std::string(const std::string&)>> valued = {
        {"--protocol",
         [&](const std::string& v) -> std::string {
             static const std::map<std::string, Protocol> kNames = {
                 {"lx200", Protocol::kLx200},
                 {"nexstar", Protocol::kNexStar},
                 {"nexstar-binary", Protocol::kNexStarBinary},
                 {"gt-binary", Protocol::kGtBinary},
                 {"nmea", Protocol::kNmea}};
             const auto found = kNames.find(v);
             if (found == kNames.end()) return "unknown protocol '" + v + "'";
             o.protocol = found->second;
             protocolGiven = true;
             return {};
         }},
        {"--ra",
         [&](const std::string& v) -> std::string {
             const auto hours = Number(v);
             if (!hours || *hours < 0.0 || *hours >= 24.0) return "--ra needs hours from 0 to below 24";
             o.raHours = *hours;
             return {};
         }},
        {"--dec",
         [&](const std::string& v) -> std::string {
             const auto degrees = Number(v);
             if (!degrees || std::abs(*degrees) > 90.0) return "--dec needs degrees from -90 to 90";
             o.decDegrees = *degrees;
             return {};
         }},
        {"--slew-rate",
         [&](const std::string& v) -> std::string {
             const auto rate = Number(v);
             if (!rate || *rate <= 0.0) return "--slew-rate needs degrees a second above 0";
             o.slewRate = *rate;
             return {};
         }},
        {"--lat",
         [&](const std::string& v) -> std::string {
             const auto degrees = Number(v);
             if (!degrees || std::abs(*degrees) > 90.0) return "--lat needs degrees from -90 to 90";
             o.latitudeDegrees = *degrees;
             return {};
         }},
        {"--lon",
         [&](const std::string& v) -> std::string {
             const auto degrees = Number(v);
             if (!degrees || std::abs(*degrees) > 180.0) return "--lon needs degrees from -180 to 180";
             o.longitudeDegrees = *degrees;
             return {};
         }},
        {"--utc-offset",
         [&](const std::string& v) -> std::string {
             const auto hours = Number(v);
             if (!hours || std::abs(*hours) > 14.0) return "--utc-offset needs hours from -14 to 14";
             o.utcOffsetHours = *hours;
             return {};
         }},
        {"--gps-delay",
         [&](const std::string& v) -> std::string {
             const auto seconds = Number(v);
             if (!seconds || *seconds < 0.0) return "--gps-delay needs seconds from 0";
             o.gpsDelaySeconds = *seconds;
             return {};
         }},
        {"--degree-mark",
         [&](const std::string& v) -> std::string {
             if (v != "dfh" && v != "star") return "--degree-mark is dfh or star";
             o.degreeMark = v == "star" ? '*' : '\xDF';
             return {};
         }},
        {"--log",
         [&](const std::string& v) -> std::string {
             o.logPath = v;
             return v.empty() ? "--log needs a file" : "";
         }},
        {"--hang-up-after",
         [&](const std::string& v) -> std::string {
             o.hangUpAfter = Count(v);
             return o.hangUpAfter ? "" : "--hang-up-after needs a whole number of bytes";
         }},
        {"--play",
         [&](const std::string& v) -> std::string {
             o.playPath = v;
             return v.empty() ? "--play needs a file" : "";
         }},
        {"--link",
         [&](const std::string& v) -> std::string {
             o.linkPath = v;
             return v.empty() ? "--link needs a path" : "";
         }},
    };
    const std::map<std::string, bool*> flags = {
        {"--not-aligned", &o.notAligned},
        {"--high-precision", &o.highPrecision},
        {"--refuse-slew", &o.refuseSlew},
        {"--no-reply", &o.noReply},
        {"--garbage", &o.garbage},
        {"--help", &o.help},
        {"--loop", &o.loop},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (const auto flag = flags.find(name); flag != flags.end()) {
            *flag->second = true;
            continue;
        }
        const auto option = valued.find(name);
        if (option == valued.end()) {
            parsed.error = "unknown option '" + name + "'";
            return parsed;
        }
        if (i + 1 >= arguments.size()) {
            parsed.error = name + " needs a value";
            return parsed;
        }
        parsed.error = option->second(arguments[++i]);
        if (!parsed.error.empty()) return parsed;
    }
    if (!protocolGiven && !o.help) parsed.error = "--protocol is required";
    return parsed;
}

}  // namespace talvo::sim
