#include "app/cli_show.h"

#include <cstdio>
#include <optional>
#include <sstream>
#include <utility>

#include "session/body_selection.h"
#include "app/cli_options.h"
#include "app/cli_session.h"
#include "app/console_dialogs.h"
#include "forms/form1.h"
#include "session/session_state.h"
#include "engine/coordinates.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"

namespace talvo {

namespace {

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

using Fields = std::vector<std::pair<std::string, std::string>>;  // name, text (code page 1252)

// The fields the window shows: the clock and the site always; the position, and rise, transit
// and set, with an object; the names (a body's figures) for the Sun, the Moon and the planets.
Fields ShownFields(const Form1& form, const CurrentObject& object) {
    Fields fields = {{"Time", form.Time.caption},          {"Date", form.Date.caption},
                     {"gmt", form.gmt.caption},            {"SiderealTime", form.SiderealTime.caption},
                     {"Latitude", form.Latitude.caption},  {"Longitude", form.Longitude.caption}};
    if (object.present == 0) return fields;
    if (IsSolarSystemBody(object)) {
        fields.insert(fields.end(), {{"Magnitude", form.Magnitude.caption},
                                     {"Name1", form.Name1.caption},
                                     {"Name2label", form.Name2label.caption},
                                     {"name3label", form.name3label.caption},
                                     {"Name4label", form.Name4label.caption},
                                     {"Name5Label", form.Name5Label.caption}});
    }
    fields.insert(fields.end(), {{"RightAsc", form.RightAsc.caption},
                                 {"Declination", form.Declination.caption},
                                 {"Altitude", form.Altitude.caption},
                                 {"Azimuth", form.Azimuth.caption},
                                 {"RiseTime", form.RiseTime.caption},
                                 {"TransitTime", form.TransitTime.caption},
                                 {"SetTime", form.SetTime.caption}});
    return fields;
}

void PrintLines(const Fields& fields, std::ostream& out) {
    for (const auto& [name, text] : fields) out << name << ": " << Cp1252ToUtf8(text) << '\n';
}

void PrintJson(const Fields& fields, const SessionState& state, std::ostream& out) {
    out << "{";
    const char* separator = "";
    for (const auto& [name, text] : fields) {
        out << separator << JsonString(name) << ": " << JsonString(Cp1252ToUtf8(text));
        separator = ", ";
    }
    out << ", \"julianDate\": " << JsonNumber(state.clock.julianDate)
        << ", \"localSiderealTime\": " << JsonNumber(state.clock.localSiderealTime);
    const CurrentObject& object = state.object;
    if (object.present != 0) {
        out << ", \"altitude\": " << JsonNumber(object.altitude) << ", \"azimuth\": " << JsonNumber(object.azimuth)
            << ", \"rightAscension\": " << JsonNumber(RightAscensionHours(object))
            << ", \"declination\": " << JsonNumber(DeclinationDegrees(object));
    }
    if (IsSolarSystemBody(object)) {
        if (object.planetIndex == kMoon) {
            out << ", \"distanceKm\": " << JsonNumber(object.moonDistanceKm)
                << ", \"phaseAngle\": " << JsonNumber(object.phaseAngle);
        } else {
            out << ", \"distanceAU\": " << JsonNumber(object.distanceAU);
        }
        out << ", \"diameterArcsec\": " << JsonNumber(BodyDiameterArcsec(object));
        if (object.planetIndex != kSun) out << ", \"elongation\": " << JsonNumber(object.elongation);
        out << ", \"constellation\": " << JsonString(object.constellationAbbreviation);
    }
    out << "}\n";
}

int RunShow(const CliOptions& options, const platform::Clock& clock, const platform::TimeZone& systemZone,
            std::ostream& out, std::ostream& err) {
    SessionState state;
    CliZone zone(options, systemZone);
    PrepareCliSession(state, options, clock, zone.Get());
    ConsoleDialogs dialogs(err);
    Form1 form(state, clock, zone.Get(), dialogs);
    if (options.raHours) SelectPosition(state, *options.raHours, *options.decDegrees, options.epoch);
    if (options.planet) static_cast<void>(SelectBody(state, *options.planet));  // the parser checked the row
    form.RefreshAll();

    Fields fields = ShownFields(form, state.object);
    if (options.json) {
        PrintJson(fields, state, out);
    } else {
        PrintLines(fields, out);
    }
    return kCliOk;
}

const char* kUsage =
    "usage: talvo-cli COMMAND [OPTIONS]\n"
    "commands:\n"
    "  show   the main window's fields for a site, a moment and a position\n"
    "  find   search a catalog as the window's searches do\n"
    "talvo-cli COMMAND --help shows the options of a command.\n";

}  // namespace

int RunCli(const std::vector<std::string>& args, const platform::Clock& clock,
           const platform::TimeZone& systemZone, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? kCliBadArguments : kCliOk;
    }
    if (args[0] != "show" && args[0] != "find") {
        err << "talvo-cli: unknown command '" << args[0] << "' (talvo-cli --help lists the commands)\n";
        return kCliBadArguments;
    }
    const CliCommand command = args[0] == "show" ? CliCommand::Show : CliCommand::Find;
    std::string error;
    std::optional<CliOptions> options =
        ParseCliOptions(std::vector<std::string>(args.begin() + 1, args.end()), command, error);
    if (!options) {
        err << "talvo-cli " << args[0] << ": " << error << '\n';
        return kCliBadArguments;
    }
    if (options->help) {
        out << CliUsage(command);
        return kCliOk;
    }
    if (command == CliCommand::Find) return RunFind(*options, clock, systemZone, out, err);
    return RunShow(*options, clock, systemZone, out, err);
}

}  // namespace talvo
