#include "app/cli_fields.h"

#include <nlohmann/json.hpp>

#include "engine/coordinates.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"

namespace talvo {

CliFields ShownFields(const Form1& form, const CurrentObject& object) {
    CliFields fields = {{"Time", form.Time.caption},         {"Date", form.Date.caption},
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

void PrintFields(const CliFields& fields, std::ostream& out) {
    for (const auto& [name, text] : fields) out << name << ": " << Cp1252ToUtf8(text) << '\n';
}

void PrintFieldsJson(const CliFields& fields, const SessionState& state, std::ostream& out) {
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

void PrintObject(const Form1& form, const SessionState& state, bool json, std::ostream& out) {
    const CliFields fields = ShownFields(form, state.object);
    if (json) {
        PrintFieldsJson(fields, state, out);
    } else {
        PrintFields(fields, out);
    }
}

}  // namespace talvo
