#include "forms/observing_log.h"

#include <cmath>

#include "engine/display_texts.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"
#include "platform/file_append.h"

namespace talvo {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kBlankLine = "  ";  // the log's empty lines hold two blanks

double RoundToTenth(double value) { return std::round(value * 10.0) / 10.0; }

// Whole degrees of a site coordinate as a printed number; a coordinate between 0 and -1 degree
// has 0 whole degrees and keeps its minus sign here, so a site just south of the equator or
// east of Greenwich is not logged on the wrong side.
std::string DegreesNumber(int degrees, int sign) {
    if (degrees == 0 && sign < 0) return "-0 ";
    return PrintNumber(degrees);
}

std::string LocalTimeText(const ClockState& clock) {
    return clock.hourText() + ":" + clock.minuteText() + ":" + clock.secondText();
}

std::string UtcText(const ClockState& clock) {
    return clock.utText + ":" + clock.secondText() + " " + clock.utDayMark;
}

std::string HeaderLine(const SessionState& state) {
    const ClockState& clock = state.clock;
    const ObserverSite& site = state.site;
    return std::string(state.scriptMode ? "COMMAND LOG WRITTEN " : "OBSERVING NOTES WRITTEN ") +
           DateText(clock) + " STARTING " + LocalTimeText(clock) + " LOCAL TIME, UTC= " + UtcText(clock) +
           " LOCATION FILE: " + state.homeFileName + " LAT=" + DegreesNumber(site.latDegrees, site.latSign) +
           kDegreeSign + PrintNumber(RoundToTenth(site.latMinutes)) +
           "' LONG=" + DegreesNumber(site.lonDegrees, site.lonSign) + kDegreeSign +
           PrintNumber(RoundToTenth(site.lonMinutes)) + "' GOTO SCOPE=" + PrintNumber(state.scope.scopeType);
}

// The object's description. Beyond the names the entry format fixes, bodies carry the texts
// the main window shows for them: the Sun and the planets their size (Name5Label), the Moon
// its phase, elongation, distance and size (Name2label to Name5Label).
std::string ObjectLine(const SessionState& state) {
    const CurrentObject& object = state.object;
    const std::string altitude = " Alt=" + PrintNumber(RoundToTenth(object.altitude)) + kDegreeSign;
    std::string line;
    if (object.planetIndex == kSun) {
        line = object.name1 + " Dist=" + DistanceText(object) + "." + altitude + " " + Name5Text(object);
    } else if (object.planetIndex == kMoon) {
        line = object.name1 + " " + Name2Text(object) + " " + Name3Text(object) + " " + Name4Text(object) +
               " " + Name5Text(object) + " ." + altitude;
    } else if (IsSolarSystemBody(object)) {
        line = object.name1 + " Dist=" + DistanceText(object) + " " + object.elongationText + "." + altitude +
               " " + Name5Text(object);
    } else {
        line = object.name1 + " " + object.name2 + " " + object.name3 + " " + object.name4 + " " +
               object.name5 + altitude;
        if (!object.magnitudeText.empty()) line += " MAG=" + object.magnitudeText.substr(0, 5);
    }
    return line + " " + DateText(state.clock) + " " + LocalTimeText(state.clock);
}

}  // namespace

bool WriteLog(SessionState& state, DialogServices& dialogs, const std::string& text) {
    CalcTime(state.clock, state.site);
    // The entry and the log state it leads to are built first and kept only once written.
    std::string lastLogged = state.lastLoggedObject;
    std::string entry;
    if (lastLogged.empty()) {
        lastLogged = kBlankLine;
        entry += std::string(kBlankLine) + kLineEnd + HeaderLine(state) + kLineEnd + kBlankLine + kLineEnd;
    }
    const CurrentObject& object = state.object;
    if (object.present == 0) {
        entry += "No Object Selected  " + DateText(state.clock) + " " + LocalTimeText(state.clock) + kLineEnd;
    } else if (!state.scriptMode || object.name1 != lastLogged) {
        lastLogged = object.name1;
        entry += ObjectLine(state) + kLineEnd;
    }
    entry += text + kLineEnd;

    if (!platform::AppendText(state.appDir + state.logFileName, entry)) {
        dialogs.Beep();
        if (!state.scriptMode) {
            dialogs.MessageBox("CAN'T WRITE TO OBSERVING LOG " + state.logFileName, MessageButtons::Ok,
                               "TALVO");
        }
        return false;
    }
    state.lastLoggedObject = lastLogged;
    return true;
}

}  // namespace talvo
