#include "catalog/matches_format.h"

#include <cmath>
#include <cstdlib>

#include "engine/display_texts.h"
#include "engine/numeric.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

std::string Degrees() { return std::string(1, kDegreeSign); }

// The match number right-aligned in three columns and its point: " 7. ", "12. ", "123.".
std::string NumberPart(int k) {
    if (k < 10) return " " + std::to_string(k) + ". ";
    if (k < 100) return std::to_string(k) + ". ";
    return std::to_string(k) + ".";
}

std::string SiteText(int degrees, double minutes, const std::string& sign, char positive, char negative) {
    return std::to_string(std::abs(degrees)) + Degrees() + FormatFixed(minutes, 1, 1) + "' " +
           (sign == "-" ? negative : positive);
}

double RoundedTenth(double value) { return std::round(value * 10.0) / 10.0; }

}  // namespace

std::vector<std::string> MatchesHeader(const SessionState& state) {
    const SearchState& search = state.search;
    std::string description;
    if (search.BestOfSearch) {
        description = "\"Best of the Sky\"";
    } else {
        description = "\"" + search.Pattern + "\"";
        if (!search.SecondPattern.empty()) description += " and \"" + search.SecondPattern + "\"";
        if (search.MinimumAltitude >= 0.0f) {
            description += ". Objects above " + StrSingle(search.MinimumAltitude) + Degrees();
        }
    }
    if (search.FaintestMagnitude != static_cast<float>(kNoMagnitudeLimit)) {
        description += ", Brighter than Mag" + StrSingle(search.FaintestMagnitude);
    }
    const ClockState& clock = state.clock;
    const ObserverSite& site = state.site;
    return {
        "TALVO+S Search= " + description,
        "Data is for " + DateText(clock) + " at " + clock.hourText() + ":" + clock.minuteText() + ":" +
            clock.secondText() + " Local Time, UTC= " + clock.utText + ":" + clock.secondText() + " " +
            clock.utDayMark,
        "Lat=" + SiteText(site.latDegrees, site.latMinutes, site.latSignText, 'N', 'S') +
            ", Long=" + SiteText(site.lonDegrees, site.lonMinutes, site.lonSignText, 'W', 'E') +
            ", Location File= " + state.homeFileName + ", Catalog= " + state.catalogFileName,
        "    ",
    };
}

std::vector<std::string> MatchesEntry(const SessionState& state, int k) {
    const CurrentObject& object = state.object;
    const std::string degree = Degrees();
    if (object.planetIndex == kSun) {
        return {PrintNumber(k) + ". " + object.name1 + " ," + "Dist=" + object.name2 + ", Alt=" +
                PrintNumber(RoundedTenth(object.altitude)) + degree + " ," + Name5Text(object) + ","};
    }
    if (object.planetIndex == kMoon) {
        return {PrintNumber(k) + "." + object.name1 + "  ," + Name2Text(object) + " ," + Name3Text(object) +
                " ," + Name4Text(object) + " ," + Name5Text(object) + " ," +
                ". Alt=" + PrintNumber(RoundedTenth(object.altitude)) + degree + ","};
    }
    if (IsSolarSystemBody(object) || object.transientCatalog) {
        return {NumberPart(k) + object.name1 + " ," + " Dist=" + object.name2 + "        ," + object.name3 +
                ",   Alt=" + FormatFixed(object.altitude, 2, 1) + degree + "   ," + Name5Text(object) + ","};
    }
    std::string first = NumberPart(k) + object.name1 + " ," + object.name2 + " ," + object.name3 + " ," +
                        object.name4 + "        ," + object.name5 + ",";
    std::string second = "    Alt=" + FormatFixed(object.altitude, 2, 1) + degree + ",";
    if (object.azimuth > 0.0) second += "    Az=" + FormatFixed(object.azimuth, 3, 1) + degree + ",";
    std::string magnitude = object.magnitudeText;
    bool noMagnitude =
        magnitude.find_first_not_of(' ') == std::string::npos || LeadingNumber(magnitude) == 99.0;
    second += noMagnitude ? std::string(12, ' ') + "," : "    Mag=" + magnitude.substr(0, 4) + ",";
    second += "     R.A. = " + RaText(object) + ",";
    second += "   Dec = " + DecText(object) + ",";
    return {first, second};
}

void WriteMatchesEntry(const SessionState& state, int k, MatchesFile& file) {
    std::vector<std::string> lines = k == 0 ? MatchesHeader(state) : MatchesEntry(state, k);
    for (const std::string& line : lines) file.WriteLine(line);
}

std::vector<std::string> InvalidEntriesTrailer(int invalidCount) {
    return {"  ", PrintNumber(invalidCount) + " invalid catalog entries ignored."};
}

}  // namespace talvo
