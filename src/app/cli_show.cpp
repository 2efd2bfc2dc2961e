// `talvo-cli show`: the main window's fields for a site, a moment and a position.
#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "app/cli_commands.h"
#include "app/cli_options.h"
#include "app/cli_session.h"
#include "app/console_dialogs.h"
#include "engine/coordinates.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"
#include "forms/form1.h"
#include "session/body_selection.h"
#include "session/session_state.h"

namespace talvo {

namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;  // name, text (code page 1252)

// The fields the window shows: the clock and the site always; the position, and rise, transit
// and set, with an object; the names (a body's figures) for the Sun, the Moon and the planets.
Fields ShownFields(const Form1& form, const CurrentObject& object) {
    Fields fields = {{"Time", form.Time.caption},         {"Date", form.Date.caption},
                     {"gmt", form.gmt.caption},           {"SiderealTime", form.SiderealTime.caption},
                     {"Latitude", form.Latitude.caption}, {"Longitude", form.Longitude.caption}};
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

// One object on one line: the texts of the fields, then the raw numbers.
void PrintJson(const Fields& fields, const SessionState& state, std::ostream& out) {
    nlohmann::ordered_json json;
    for (const auto& [name, text] : fields) json[name] = Cp1252ToUtf8(text);
    json["julianDate"] = state.clock.julianDate;
    json["localSiderealTime"] = state.clock.localSiderealTime;
    const CurrentObject& object = state.object;
    if (object.present != 0) {
        json["altitude"] = object.altitude;
        json["azimuth"] = object.azimuth;
        json["rightAscension"] = RightAscensionHours(object);
        json["declination"] = DeclinationDegrees(object);
    }
    if (IsSolarSystemBody(object)) {
        if (object.planetIndex == kMoon) {
            json["distanceKm"] = object.moonDistanceKm;
            json["phaseAngle"] = object.phaseAngle;
        } else {
            json["distanceAU"] = object.distanceAU;
        }
        json["diameterArcsec"] = BodyDiameterArcsec(object);
        if (object.planetIndex != kSun) json["elongation"] = object.elongation;
        json["constellation"] = Cp1252ToUtf8(object.constellationAbbreviation);
    }
    out << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

struct ShowOptions {
    CliSessionOptions session;
    std::optional<double> raHours;
    std::optional<double> decDegrees;
    std::optional<double> epoch;  // of --ra and --dec
    std::optional<int> planet;    // row of the solar-system list, 0 Sun ... 9 Pluto
    bool json = false;
};

int RunShow(const ShowOptions& options, const CliIo& io) {
    SessionState state;
    CliZone zone(options.session, io.systemZone);
    PrepareCliSession(state, options.session, io.clock, zone.Get());
    ConsoleDialogs dialogs(io.err);
    Form1 form(state, io.clock, zone.Get(), dialogs);
    if (options.raHours)
        SelectPosition(state, *options.raHours, *options.decDegrees, options.epoch.value_or(2000.0));
    if (options.planet) static_cast<void>(SelectBody(state, *options.planet));  // the parser checked the row
    form.RefreshAll();

    Fields fields = ShownFields(form, state.object);
    if (options.json) {
        PrintJson(fields, state, io.out);
    } else {
        PrintLines(fields, io.out);
    }
    return kCliOk;
}

// From 0 up to, not including, 24 hours.
CliRead<double> ReadRightAscension(const std::string& text) {
    const std::string outside = "right ascension must be from 0 to 24 hours";
    CliRead<double> hours = ReadDecimal(text, 0, 24, outside);
    return hours.value == 24.0 ? CliRead<double>{std::nullopt, outside} : hours;
}

}  // namespace

CliCommand AddShowCommand(CLI::App& program) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App* show =
        program.add_subcommand("show", "the main window's fields for a site, a moment and a position");
    show->footer(
        "Prints one line 'Field: text' for each field the window shows. Exit code 0, or 2 for\nbad "
        "arguments.");
    AddSessionOptions(*show, options->session);
    CLI::Option* ra = AddReadOption(*show, "--ra", options->raHours, ReadRightAscension,
                                    "right ascension, of epoch --epoch")
                          ->type_name("HOURS");
    CLI::Option* dec = AddReadOption(*show, "--dec", options->decDegrees,
                                     DecimalIn(-90, 90, "declination must be between -90 and 90 degrees"),
                                     "declination, of epoch --epoch")
                           ->type_name("DEG");
    ra->needs(dec);
    dec->needs(ra);
    AddReadOption(*show, "--epoch", options->epoch,
                  DecimalIn(1900, 2200, "the epoch must be a year from 1900 to 2200"),
                  "the epoch of --ra and --dec (default 2000)")
        ->type_name("YEAR");
    AddReadOption(
        *show, "--planet", options->planet,
        [](const std::string& text) {
            return ReadWhole(text, 0, 9, "the body is a number from 0 (Sun) to 9 (Pluto)");
        },
        "a body of the solar-system list: 0 Sun, 1 Mercury, 2 Venus,\n"
        "3 Moon, 4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto")
        ->type_name("N")
        ->excludes(ra)
        ->excludes(dec);
    show->add_flag("--json", options->json, "one JSON object with the texts and the raw numbers");
    return {show, [options](const CliIo& io) { return RunShow(*options, io); }};
}

}  // namespace talvo
