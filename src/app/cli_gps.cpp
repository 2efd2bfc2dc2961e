// `talvo-cli gps`: the first fix of the GPS receiver, as the home file window's "Load From GPS
// Device" takes it, printed, and the computer's clock set from it when asked.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

#include "app/cli_commands.h"
#include "engine/display_texts.h"
#include "engine/text_format.h"
#include "forms/gps_commands.h"
#include "platform/set_system_clock.h"
#include "scope/gps_reading.h"
#include "scope/gpsd_reading.h"

namespace talvo {

namespace {

constexpr int kHighestPort = 64;

struct GpsOptions {
    std::string source = "serial";  // "serial" or "gpsd"
    std::string gpsd;               // gpsd's address; empty for DefaultGpsdAddress()
    int port = 0;
    bool loadTime = false;
    double timeoutSeconds = 10.0;
    bool json = false;
};

// "2094-03-23 12:35:20"
std::string UtcText(const GpsFix& fix, char separator) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d", fix.year, fix.month, fix.day,
                  separator, fix.hour, fix.minute, fix.second);
    return text;
}

int RunGps(const GpsOptions& options, const CliIo& io) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(static_cast<long long>(options.timeoutSeconds * 1000.0));
    ExchangeHooks hooks;
    hooks.keepGoing = [deadline] { return Clock::now() < deadline; };
    const bool fromGpsd = options.source == "gpsd";
    GpsdAddress address = DefaultGpsdAddress();
    if (!options.gpsd.empty()) {
        const std::optional<GpsdAddress> given = ParseGpsdAddress(options.gpsd);
        if (!given) {
            io.err << "talvo-cli gps: --gpsd \"" << options.gpsd << "\" is not HOST:PORT\n";
            return kCliBadArguments;
        }
        address = *given;
    }
    if (!fromGpsd && options.port == 0) {
        io.err << "talvo-cli gps: --port is needed to read the receiver's serial port\n";
        return kCliBadArguments;
    }
    platform::CommIO comm;
    const GpsReading reading =
        fromGpsd ? ReadGpsd(address, hooks) : ReadGps(comm, options.port, hooks, io.clock.Now().year);
    switch (reading.status) {
        case GpsReadStatus::kOk:
            break;
        case GpsReadStatus::kOpenFailed:
            if (fromGpsd) {
                io.err << "talvo-cli gps: UNABLE TO REACH GPSD\n" << reading.portDetail << '\n';
            } else {
                io.err << "talvo-cli gps: UNABLE TO OPEN COM " << options.port << '\n'
                       << reading.portDetail << '\n';
            }
            return kCliBadArguments;
        case GpsReadStatus::kHeldByGpsd:
            io.err << "talvo-cli gps: UNABLE TO OPEN COM " << options.port << '\n'
                   << reading.portDetail << "\nRead the fix from gpsd with --source gpsd.\n";
            return kCliBadArguments;
        case GpsReadStatus::kDeviceFailed:
            io.err << "talvo-cli gps: GPS Reading Unsuccessful\n" << reading.portDetail << '\n';
            return kCliNothingFound;
        case GpsReadStatus::kAbandoned:
            io.err << "talvo-cli gps: GPS Reading Unsuccessful: no valid fix within "
                   << options.timeoutSeconds << " s\n";
            return kCliNothingFound;
    }

    ObserverSite site;
    ApplyGpsSite(site, reading.fix);
    if (options.json) {
        nlohmann::ordered_json json;
        json["Latitude"] = Cp1252ToUtf8(LatitudeText(site));
        json["Longitude"] = Cp1252ToUtf8(LongitudeText(site));
        json["latitude"] = reading.fix.latitude.value;
        json["longitude"] = reading.fix.longitude.value;
        json["utc"] = UtcText(reading.fix, 'T') + "Z";
        io.out << json.dump() << '\n';
    } else {
        io.out << "Latitude: " << Cp1252ToUtf8(LatitudeText(site)) << '\n'
               << "Longitude: " << Cp1252ToUtf8(LongitudeText(site)) << '\n'
               << "UTC: " << UtcText(reading.fix, ' ') << '\n';
    }
    if (!options.loadTime) return kCliOk;
    const GpsFix& fix = reading.fix;
    const platform::ClockSetStatus clock = SetClockFromGps(fix);
    if (!clock.ok) {
        io.err << "talvo-cli gps: The computer will not accept GPS time: " << clock.message << '\n';
        return kCliBadArguments;
    }
    return kCliOk;
}

}  // namespace

CliCommand AddGpsCommand(CLI::App& program) {
    auto options = std::make_shared<GpsOptions>();
    CLI::App* command =
        program.add_subcommand("gps", "the GPS receiver's site and UTC time, from its first valid fix");
    command->footer(
        "Reads NMEA 0183 at 4800 baud from the receiver's port until a recommended-minimum sentence\n"
        "($GPRMC, $GNRMC, ...) reports a valid fix, as the home file window's 'Load From GPS Device'\n"
        "does, and prints Latitude and Longitude as 'show' prints them and the UTC date and time.\n"
        "With --source gpsd the fix comes from gpsd's reports instead (the GPS service, which often\n"
        "holds the receiver's port: reading a port that gpsd reads is refused with that advice).\n"
        "Exit code 0; 1 when no valid fix came within --timeout; 2 for bad arguments, a port that\n"
        "could not be opened, gpsd not answering, or a clock that --load-time could not set (the\n"
        "system's words follow).");
    command->add_option("--source", options->source, "where the fix comes from: serial (default) or gpsd")
        ->type_name("SOURCE")
        ->check(CLI::IsMember({"serial", "gpsd"}));
    command->add_option("--port", options->port, "the receiver's port: COM1 to COM64, given as 1 to 64")
        ->type_name("N")
        ->check(CLI::Range(1, kHighestPort));
    command
        ->add_option("--gpsd", options->gpsd,
                     "gpsd's address for --source gpsd (default localhost:2947, or $TALVO_GPSD)")
        ->type_name("HOST:PORT");
    command->add_flag("--load-time", options->loadTime,
                      "also set the computer's clock to the fix's UTC time (timedatectl set-time)");
    command->add_option("--timeout", options->timeoutSeconds, "seconds to wait for a valid fix (default 10)")
        ->type_name("S")
        ->check(CLI::Range(0.1, 3600.0));
    command->add_flag("--json", options->json,
                      "one JSON object: the texts, latitude (north positive) and longitude (west positive)\n"
                      "in degrees, and the UTC date-time");
    return {command, [options](const CliIo& io) { return RunGps(*options, io); }};
}

}  // namespace talvo
