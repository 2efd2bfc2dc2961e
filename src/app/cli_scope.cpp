// `talvo-cli goto`, `talvo-cli scope-position` and `talvo-cli ports`: the window's telescope
// exchanges from a terminal, for rehearsing with the simulator or checking a cable.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/cli_commands.h"
#include "app/cli_fields.h"
#include "app/cli_options.h"
#include "app/cli_scope_link.h"
#include "app/cli_session.h"
#include "app/console_dialogs.h"
#include "catalog/catalog_file.h"
#include "catalog/search_engine.h"
#include "engine/coordinates.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "forms/form1.h"
#include "forms/scope_commands.h"
#include "platform/com_names.h"
#include "platform/data_dirs.h"
#include "platform/tty_description.h"
#include "scope/goto_exchange.h"
#include "scope/position_reads.h"
#include "scope/scope_models.h"

namespace talvo {

namespace {

constexpr int kHighestPort = 64;

std::string DevicePathOf(int port) { return platform::ComDevicePath(ComPortName(port)).value_or("?"); }

// "52 31 41  |R1A|": the bytes in hexadecimal, then as text with others than 32-126 as ".".
std::string ByteDump(const std::string& bytes) {
    std::string hex;
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        hex += (hex.empty() ? "" : " ") + std::string(digits);
        text += (byte >= 32 && byte < 127) ? c : '.';
    }
    return hex + "  |" + text + "|";
}

std::string PortFailure(const char* what, int port, const std::string& detail) {
    std::string text = what + std::to_string(port);
    if (!detail.empty()) text += "\n" + detail;
    return text;
}

struct GotoOptions {
    CliSessionOptions session;
    CliObjectOptions object;
    ScopeLinkOptions link;
    std::string name;         // an object of the catalog, by name
    std::string catalogPath;  // empty: the default catalog beside the program
    bool solarFilter = false;
};

// The first match of `name` in the catalog becomes the current object; the problem otherwise.
std::string SelectByName(SessionState& state, const GotoOptions& options) {
    state.catalogFolder = platform::ReadableFolder(state.appDir, state.dataDir, state.catalogFileName);
    if (!options.catalogPath.empty()) {
        std::filesystem::path path(options.catalogPath);
        state.catalogFileName = path.filename().string();
        state.catalogFolder = path.has_parent_path() ? path.parent_path().string() : std::string(".");
    }
    if (!ReadCatalogFlag(state, state.catalogFileName, state.catalogFolder)) {
        return "CANNOT OPEN CATALOG " + state.catalogFileName;
    }
    SearchEngine engine(state);
    SearchRequest request;
    request.name = options.name;
    request.faintestMagnitude = kNoMagnitudeLimit;
    const SearchOutcome outcome = engine.Start(request);
    engine.CloseFiles();
    if (outcome != SearchOutcome::Found)
        return "no object named '" + options.name + "' in " + state.catalogFileName;
    return {};
}

int RunGotoCommand(const GotoOptions& options, const CliIo& io) {
    const char* command = "goto";
    if (options.name.empty() && !options.object.raHours && !options.object.planet) {
        return RefuseArguments(io.err, command, "give the object: --ra and --dec, --planet or --name");
    }
    SessionState state;
    CliZone zone(options.session, io.systemZone);
    const std::string problem = PrepareScopeSession(state, options.session, options.link, io, zone.Get());
    if (!problem.empty()) return RefuseArguments(io.err, command, problem);
    if (!options.name.empty()) {
        const std::string problem = SelectByName(state, options);
        if (!problem.empty()) return RefuseArguments(io.err, command, problem);
    }
    SelectPositionOrBody(state, options.object);
    ConsoleDialogs dialogs(io.err);
    Form1 form(state, io.clock, zone.Get(), dialogs);
    form.RefreshAll();

    // What the window demands before it offers GoTo.
    const CurrentObject& object = state.object;
    if (object.planetIndex == kSun && !options.solarFilter) {
        return RefuseArguments(
            io.err, command,
            "Warning! Looking at the Sun is dangerous! Give --solar-filter once a proper solar "
            "filter is in place.");
    }
    if (static_cast<int>(object.altitude) < 1) {
        return RefuseArguments(io.err, command,
                               "the object is below 1 degree of altitude (" +
                                   FormatFixed(object.altitude, 1, 1) + "); the window offers no GoTo there");
    }

    const GotoOutcome outcome =
        RunGoto(form.comm, state.scope,
                {object.raHours, object.raMinutes, object.decDegrees, object.decMinutes, object.decSign},
                ExchangeHooks{});
    const int port = state.scope.scopePort;
    switch (outcome.result) {
        case GotoResult::kSent:
            break;
        case GotoResult::kSkyChart:
            return RefuseArguments(
                io.err, command,
                "a type 5 telescope is driven by the sky-chart program, which this version "
                "does not start yet");
        case GotoResult::kNoTelescope:
        case GotoResult::kBadPosition:
            return RefuseArguments(io.err, command, "the object's position cannot be sent to the telescope");
        case GotoResult::kOpenFailed:
            io.err << "talvo-cli goto: " << PortFailure("UNABLE TO OPEN COM ", port, outcome.portDetail)
                   << '\n';
            return kCliBadArguments;
        case GotoResult::kWriteFailed:
            io.err << "talvo-cli goto: " << PortFailure("UNABLE TO WRITE TO COM ", port, outcome.portDetail)
                   << '\n';
            return kCliBadArguments;
    }
    io.out << Cp1252ToUtf8(form.RightAsc.caption) << '\n' << Cp1252ToUtf8(form.Declination.caption) << '\n';
    io.out << "Sent to COM" << port << " (" << DevicePathOf(port) << "): " << ByteDump(outcome.written)
           << '\n';
    if (state.scope.scopeType == 3) {
        io.out << "You must press a key on the scope before next 'GOTO' to prevent telescope lockup\n";
    }
    if (outcome.closeFailed) io.err << "talvo-cli goto: UNABLE TO CLOSE COM " << port << '\n';
    if (!outcome.slewRefusal.empty()) {
        io.err << "talvo-cli goto: Telescope refused the slew: " << VisibleReply(outcome.slewRefusal) << '\n';
        return kCliNothingFound;
    }
    return kCliOk;
}

struct PositionOptions {
    CliSessionOptions session;
    ScopeLinkOptions link;
    double timeoutSeconds = 5.0;
    bool json = false;
};

std::string PositionFailure(const PositionRead& read, int port) {
    const std::string reply = VisibleReply(read.reply);
    switch (read.status) {
        case PositionReadStatus::kOk:
            return {};
        case PositionReadStatus::kAbandoned:
            return "No scope response yet. Verify Connection.";
        case PositionReadStatus::kOpenFailed:
            return PortFailure("UNABLE TO OPEN COM ", port, read.portDetail);
        case PositionReadStatus::kWriteFailed:
            return PortFailure("UNABLE TO WRITE TO COM ", port, read.portDetail);
        case PositionReadStatus::kInvalidAlignment:
            return "Invalid Scope Response to Alignment Query= " + reply;
        case PositionReadStatus::kNotAligned:
            return "Scope is Not Aligned";
        case PositionReadStatus::kInvalidPosition:
            return "Invalid Scope Response to RA/Dec Query= " + reply;
        case PositionReadStatus::kInvalidRa:
            return "Invalid Scope Response to RA Query= " + reply;
        case PositionReadStatus::kInvalidDec:
            return "Invalid Scope Response to Declination Query= " + reply;
    }
    return {};
}

int RunScopePosition(const PositionOptions& options, const CliIo& io) {
    const char* command = "scope-position";
    SessionState state;
    CliZone zone(options.session, io.systemZone);
    const std::string problem = PrepareScopeSession(state, options.session, options.link, io, zone.Get());
    if (!problem.empty()) return RefuseArguments(io.err, command, problem);
    const int type = state.scope.scopeType;
    if (type != 1 && type != 4) {
        return RefuseArguments(io.err, command,
                               "only NexStar-family (type 1) and LX200-family (type 4) telescopes tell "
                               "their position");
    }
    ConsoleDialogs dialogs(io.err);
    Form1 form(state, io.clock, zone.Get(), dialogs);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(static_cast<long long>(options.timeoutSeconds * 1000.0));
    ExchangeHooks hooks;
    hooks.keepGoing = [deadline] { return Clock::now() < deadline; };
    const PositionRead read = type == 1 ? ReadNexStarPosition(form.comm, state.scope, hooks)
                                        : ReadLx200Position(form.comm, state.scope, hooks);
    if (read.status != PositionReadStatus::kOk) {
        io.err << "talvo-cli scope-position: " << PositionFailure(read, state.scope.scopePort) << '\n';
        return kCliBadArguments;
    }
    // The telescope's coordinates are of its own epoch, the one the window shows positions in.
    CurrentObject point;
    point.raHours = read.position.raHours;
    point.raMinutes = read.position.raMinutes;
    point.decDegrees = read.position.decDegrees;
    point.decMinutes = read.position.decMinutes;
    point.decSign = read.position.decSign;
    SelectPosition(state, RightAscensionHours(point), DeclinationDegrees(point),
                   GetTargetEpoch(state.clock, state.scope.fixedEpoch));
    form.RefreshAll();
    PrintObject(form, state, options.json, io.out);
    return kCliOk;
}

int RunPorts(const CliIo& io) {
    for (int port = 1; port <= kHighestPort; ++port) {
        const std::string device = DevicePathOf(port);
        std::error_code error;
        const bool exists = std::filesystem::exists(device, error);
        std::string line = ComPortName(port);
        line.resize(7, ' ');
        line += device;
        if (line.size() < 22) line.resize(22, ' ');
        line += exists ? "  present" : "  absent";
        const std::string what = exists ? platform::TtyDescription(device) : "";
        if (!what.empty()) line += "  " + what;
        io.out << line << '\n';
    }
    return kCliOk;
}

}  // namespace

CliCommand AddGotoCommand(CLI::App& program) {
    auto options = std::make_shared<GotoOptions>();
    CLI::App* command =
        program.add_subcommand("goto", "send a GoTo telescope to an object, as the window's GoTo does");
    command->footer(
        "Sends what the window's GoTo sends for the object at the site and moment, and prints it.\n"
        "Exit code 0 when the command went, 1 when the telescope refused the slew, 2 for bad\n"
        "arguments or a port that could not be used.");
    AddScopeLinkOptions(*command, options->link);
    AddObjectOptions(*command, options->object);
    CLI::Option* name =
        command->add_option("--name", options->name, "an object of the catalog, by name (M31)")
            ->type_name("NAME")
            ->excludes(options->object.raOption)
            ->excludes(options->object.planetOption);
    command
        ->add_option("--catalog", options->catalogPath,
                     "the catalog of --name (default FULL.TLV beside the program)")
        ->type_name("FILE")
        ->needs(name);
    command->add_flag("--solar-filter", options->solarFilter,
                      "a proper solar filter is in place (needed for the Sun)");
    AddSessionOptions(*command, options->session);
    return {command, [options](const CliIo& io) { return RunGotoCommand(*options, io); }};
}

CliCommand AddScopePositionCommand(CLI::App& program) {
    auto options = std::make_shared<PositionOptions>();
    CLI::App* command = program.add_subcommand(
        "scope-position", "where the telescope points, printed as 'show' prints an object");
    command->footer(
        "Asks a NexStar-family or LX200-family telescope for its position, as the object window's\n"
        "'Load Position from Scope' does. Exit code 0, or 2 for bad arguments, a port that could\n"
        "not be used, an answer that is not right, or no answer within --timeout.");
    AddScopeLinkOptions(*command, options->link);
    command->add_option("--timeout", options->timeoutSeconds, "seconds to wait for an answer (default 5)")
        ->type_name("S")
        ->check(CLI::Range(0.1, 600.0));
    command->add_flag("--json", options->json, "one JSON object with the texts and the raw numbers");
    AddSessionOptions(*command, options->session);
    return {command, [options](const CliIo& io) { return RunScopePosition(*options, io); }};
}

CliCommand AddPortsCommand(CLI::App& program) {
    CLI::App* command = program.add_subcommand("ports", "the serial ports COM1 to COM64 and their devices");
    command->footer(
        "One line a port: its name, the device it stands for (TALVO_COM<n> overrides it), whether\n"
        "the device is there, and what it is when the system says. Exit code 0.");
    return {command, [](const CliIo& io) { return RunPorts(io); }};
}

}  // namespace talvo
