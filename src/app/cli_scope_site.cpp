// `talvo-cli scope-site` and `talvo-cli scope-upload`: the site and time read from a telescope,
// and the site and moment given to one, as the home-file and options windows do.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/cli_commands.h"
#include "app/cli_scope_link.h"
#include "app/cli_session.h"
#include "engine/time_zone.h"
#include "forms/scope_commands.h"
#include "forms/scope_site_commands.h"
#include "platform/serial_port.h"
#include "platform/set_system_clock.h"
#include "scope/scope_site_reads.h"
#include "scope/scope_upload.h"

namespace talvo {

namespace {

struct SiteOptions {
    CliSessionOptions session;
    ScopeLinkOptions link;
    double timeoutSeconds = 10.0;
    bool loadTime = false;
    bool json = false;
};

ExchangeHooks DeadlineHooks(double seconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0));
    ExchangeHooks hooks;
    hooks.keepGoing = [deadline] { return Clock::now() < deadline; };
    return hooks;
}

std::string Fixed(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Moment(const CivilMoment& utc) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", utc.year, utc.month, utc.day, utc.hour,
                  utc.minute, utc.second);
    return text;
}

void PrintReading(const SiteReading& reading, bool json, std::ostream& out) {
    if (json) {
        out << "{\"latitude\": " << Fixed(reading.latitudeDegrees, 6)
            << ", \"longitude\": " << Fixed(reading.longitudeDegrees, 6);
        if (reading.timeRead) out << ", \"utc\": \"" << Moment(reading.utc) << "\"";
        if (reading.offsetRead) out << ", \"utcOffset\": " << Fixed(reading.utcOffsetHours, 2);
        out << "}\n";
        return;
    }
    out << "Latitude   " << Fixed(reading.latitudeDegrees, 4) << " (north positive)\n";
    out << "Longitude  " << Fixed(reading.longitudeDegrees, 4) << " (west positive)\n";
    if (reading.timeRead) out << "UTC        " << Moment(reading.utc) << '\n';
    if (reading.offsetRead) out << "UTC offset " << Fixed(reading.utcOffsetHours, 1) << " (west positive)\n";
}

int RunScopeSite(const SiteOptions& options, const CliIo& io) {
    const char* command = "scope-site";
    SessionState state;
    CliZone zone(options.session, io.systemZone);
    const std::string problem = PrepareScopeSession(state, options.session, options.link, io, zone.Get());
    if (!problem.empty()) return RefuseArguments(io.err, command, problem);
    const int type = state.scope.scopeType;
    if (type != 1 && type != 4) {
        return RefuseArguments(io.err, command,
                               "only Celestron GPS (type 1) and Meade (type 4) telescopes tell their site");
    }
    platform::CommIO comm;
    const SiteReadContext context{true, state.clock.year, IsDaylightTime(zone.Get().Query())};
    const ExchangeHooks hooks = DeadlineHooks(options.timeoutSeconds);
    const SiteReading reading = type == 1 ? ReadCelestronGps(comm, state.scope, context, hooks)
                                          : ReadMeadeSite(comm, state.scope, context, hooks);
    if (reading.status != SiteReadStatus::kOk) {
        const std::string why = reading.status == SiteReadStatus::kAbandoned
                                    ? "no answer within " + Fixed(options.timeoutSeconds, 1) + " s"
                                    : VisibleReply(reading.error);
        io.err << "talvo-cli " << command << ": " << why << '\n';
        return kCliBadArguments;
    }
    PrintReading(reading, options.json, io.out);
    if (options.loadTime && reading.timeRead) {
        const CivilMoment& utc = reading.utc;
        const platform::ClockSetStatus set =
            platform::SetSystemClockUtc(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
        if (!set.ok) {
            io.err << "talvo-cli " << command << ": The computer will not accept GPS time: " << set.message
                   << '\n';
            return kCliBadArguments;
        }
    }
    return kCliOk;
}

struct UploadOptions {
    CliSessionOptions session;
    ScopeLinkOptions link;
    double timeoutSeconds = 10.0;
};

int RunScopeUpload(const UploadOptions& options, const CliIo& io) {
    const char* command = "scope-upload";
    SessionState state;
    CliZone zone(options.session, io.systemZone);
    const std::string problem = PrepareScopeSession(state, options.session, options.link, io, zone.Get());
    if (!problem.empty()) return RefuseArguments(io.err, command, problem);
    if (state.scope.scopeModel < 401 || state.scope.scopeModel > 407) {
        return RefuseArguments(io.err, command, "Function not Available (Meade models 401-407 only)");
    }
    const ClockState& clock = state.clock;
    if (IsTooCloseToMidnight(clock.hour, clock.minute, clock.second)) {
        io.err << "talvo-cli " << command << ": Date rollover, possible inconsistency. Try Again\n";
        return kCliNothingFound;
    }
    platform::CommIO comm;
    const UploadValues values = UploadValuesOf(state, IsDaylightTime(zone.Get().Query()));
    const UploadResult result =
        PlayUpload(comm, state.scope.scopePort, values, DeadlineHooks(options.timeoutSeconds));
    if (result.status != UploadStatus::kOk) {
        const std::string why = result.status == UploadStatus::kAbandoned
                                    ? "no answer within " + Fixed(options.timeoutSeconds, 1) + " s"
                                    : VisibleReply(result.error);
        io.err << "talvo-cli " << command << ": " << why << '\n';
        return kCliBadArguments;
    }
    for (const std::string& sent : UploadCommands(values)) io.out << sent << '\n';
    io.out << "Successful Upload to Telescope\n";
    return kCliOk;
}

}  // namespace

CliCommand AddScopeSiteCommand(CLI::App& program) {
    auto options = std::make_shared<SiteOptions>();
    CLI::App* command =
        program.add_subcommand("scope-site", "the site and time a Meade or Celestron GPS telescope holds");
    command->footer(
        "Asks the telescope for its site, date, time and (Meade) UTC offset, as the home-file\n"
        "window's telescope button does, and prints them; the computer's clock is left alone.\n"
        "Exit code 0, or 2 for bad arguments, a port that could not be used, an answer that is\n"
        "not right, or no answer within --timeout.");
    AddScopeLinkOptions(*command, options->link);
    command
        ->add_option("--timeout", options->timeoutSeconds, "seconds to wait for the telescope (default 10)")
        ->type_name("S")
        ->check(CLI::Range(0.1, 600.0));
    command->add_flag("--load-time", options->loadTime, "also set the computer's clock to the time read");
    command->add_flag("--json", options->json, "one JSON object: degrees, UTC and offset");
    AddSessionOptions(*command, options->session);
    return {command, [options](const CliIo& io) { return RunScopeSite(*options, io); }};
}

CliCommand AddScopeUploadCommand(CLI::App& program) {
    auto options = std::make_shared<UploadOptions>();
    CLI::App* command =
        program.add_subcommand("scope-upload", "give a Meade telescope the site, UTC offset, date and time");
    command->footer(
        "Sends what the options window's Upload sends for the site and moment of the options, and\n"
        "prints the commands. Exit code 0, 1 within the last five seconds of the local day, or 2\n"
        "for bad arguments, a port that could not be used, or a refusal.");
    AddScopeLinkOptions(*command, options->link);
    command
        ->add_option("--timeout", options->timeoutSeconds, "seconds to wait for the telescope (default 10)")
        ->type_name("S")
        ->check(CLI::Range(0.1, 600.0));
    AddSessionOptions(*command, options->session);
    return {command, [options](const CliIo& io) { return RunScopeUpload(*options, io); }};
}

}  // namespace talvo
