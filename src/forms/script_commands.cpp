// What each keyword of a script command does, and the error it reports.
#include <filesystem>

#include "catalog/catalog_maintenance.h"
#include "engine/coordinates.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "forms/script_processor.h"
#include "forms/script_values.h"
#include "forms/sky_chart_launch.h"
#include "platform/data_dirs.h"
#include "platform/start_program.h"
#include "session/search_request.h"

namespace talvo {

namespace {

constexpr double kLowestGotoAltitude = 1.0;  // degrees: a telescope is not sent lower

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A script's fictitious object takes the place of the current one: not a body, not of a catalog.
void NameScriptObject(CurrentObject& object, const std::string& name1, const std::string& name2,
                      const std::string& name3, int number) {
    object.name1 = name1;
    object.name2 = name2;
    object.name3 = name3;
    object.name4 = "ScriptCmd=" + StrInt(number);
    object.name5.clear();
    object.magnitudeText = "99";
    object.notInCatalog = true;
    object.transientCatalog = false;
    object.nearEarthObject = false;
    object.transientPosition = false;
}

}  // namespace

void ScriptProcessor::Dispatch(int number, const std::string& line, const std::string& keyword,
                               std::size_t keywordStart, const std::string& value) {
    const std::string command = line.substr(keywordStart);
    int whole = 0;
    if (keyword == "CAT") {
        Catalog(value);
    } else if (keyword == "SKY") {
        if (!hooks.launchSkyChart || !hooks.launchSkyChart()) Fail(kSkyChartNotFound);
    } else if (keyword == "ALT") {
        AltAz(number, command);
    } else if (keyword == "FIND") {
        Find(value);
    } else if (keyword == "DATE") {
        if (WholeNumberIn(value, 1, 31, whole)) {
            day_ = whole;
        } else {
            Fail("Invalid date");
        }
    } else if (keyword == "WAIT") {
        Wait(number, line, value);
    } else if (keyword == "STAY") {
        state_.scriptMode = false;
    } else if (keyword == "GOTO") {
        Goto();
    } else if (keyword == "EXIT") {
        const ScriptTime time = ReadScriptTime(value, false);
        if (time.error.empty()) {
            exitHour_ = time.hour;
            exitMinute_ = time.minute;
        } else {
            Fail(time.error);
        }
    } else if (keyword == "SLEEP") {
        Sleep(number, line, value);
    } else if (keyword == "MATCH") {
        Match();
    } else if (keyword == "NAME2") {
        secondName_ = value;
    } else if (keyword == "SHELL") {
        Shell(value);
    } else if (keyword == "MINAL") {
        const double degrees = LeadingNumber(value);
        if (degrees < 1 || degrees >= 90) {
            Fail("Invalid Minimum Altitude");
        } else {
            minimumAltitude_ = degrees;
        }
    } else if (keyword == "PLANET") {
        if (!WholeNumberIn(value, 0, 9, whole)) {
            Fail("Invalid Planet Number (0 to 9)");
        } else if (hooks.selectBody) {
            hooks.selectBody(whole);
            // A body keeps no further names of the object before it (a script's "ScriptCmd=").
            state_.object.name3.clear();
            state_.object.name4.clear();
        }
    } else if (keyword == "MINMAG") {
        const double magnitude = LeadingNumber(value);
        if (magnitude < -2 || magnitude >= 90) {
            Fail("Invalid Minimum Magnitude");
        } else {
            faintestMagnitude_ = magnitude;
        }
    } else if (keyword == "RA") {
        RaDec(number, line, keywordStart);
    } else if (keyword == "COMMAND") {
        if (WholeNumberIn(value, 1, scriptCount(), whole)) {
            jump_ = whole;
        } else {
            Fail("Invalid Command Number");
        }
    } else {
        Fail("Command not Recognized");
    }
}

void ScriptProcessor::Catalog(const std::string& value) {
    const std::filesystem::path path(Trimmed(value));
    const std::string fileName = path.filename().string();
    // A bare name is looked for as the catalog chooser looks (the observer's folder, then the
    // shipped data); a name with a folder is taken from that folder.
    const std::string folder = path.has_parent_path()
                                   ? path.parent_path().string() + "/"
                                   : platform::ReadableFolder(state_.appDir, state_.dataDir, fileName);
    if (fileName.empty() || !searches_.ChooseCatalog(fileName, folder)) {
        Fail("Cannot Open Catalog " + Trimmed(value));
    }
}

void ScriptProcessor::Find(const std::string& value) {
    SearchRequest request;
    request.name = value;
    request.secondName = secondName_;
    request.minimumAltitude = minimumAltitude_;
    request.faintestMagnitude = faintestMagnitude_.value_or(DefaultFaintestMagnitude(state_));
    if (value.empty() || searches_.Search(request) != SearchOutcome::Found) {
        Fail("Object not found in " + state_.catalogFileName);
    }
}

void ScriptProcessor::Match() {
    if (state_.search.MatchCount == 0 || searches_.NextMatch() != SearchOutcome::Found) {
        Fail("Match not found", 1);
    }
}

void ScriptProcessor::Goto() {
    const int type = state_.scope.scopeType;
    const CurrentObject& object = state_.object;
    if (type == 0 || type == 3) {
        Fail("Invalid telescope selection for automation");
    } else if (object.present == 0 || object.altitude < kLowestGotoAltitude) {
        Fail("No object selected or object not visible");
    } else if (object.planetIndex == kSun) {
        // The window asks the observer to confirm a solar filter first; nobody can answer a script.
        Fail("Goto the Sun refused: no one is there to confirm a solar filter");
    } else if (!scope_.Goto()) {
        Fail("error processing Goto command");
    }
}

void ScriptProcessor::Shell(const std::string& value) {
    const std::optional<std::vector<std::string>> words = platform::SplitWords(value);
    if (!words || words->empty() || !platform::StartProgram(*words).ok) Fail("Error Running Program");
}

void ScriptProcessor::AltAz(int number, const std::string& command) {
    const ScriptPoint point = ReadAltAz(command);
    if (!point.error.empty()) {
        Fail(point.error);
        return;
    }
    // The apparent altitude and azimuth give the position of date for this moment and site.
    CurrentObject sky;
    sky.present = 1;
    sky.altitude = point.firstDegrees;
    sky.altitudeMinutes = point.firstMinutes;
    sky.azimuth = point.secondDegrees;
    sky.azimuthMinutes = point.secondMinutes;
    CalcRaDecFromAltAz(sky, state_.site.latitude, state_.clock.localSiderealTime);
    window_.ClearBodySelection();
    SelectPosition(state_, RightAscensionHours(sky), DeclinationDegrees(sky), state_.clock.epochOfDate);
    NameScriptObject(state_.object, point.name1, point.name2, "", number);
    window_.Redisplay();
}

void ScriptProcessor::RaDec(int number, const std::string& line, std::size_t keywordStart) {
    const ScriptEpoch epoch = ReadEpoch(line, keywordStart);
    if (!epoch.error.empty()) {
        Fail(epoch.error);
        return;
    }
    const ScriptPoint point = ReadRaDec(line.substr(keywordStart));
    if (!point.error.empty()) {
        Fail(point.error);
        return;
    }
    window_.ClearBodySelection();
    SelectPosition(state_, point.first, point.second, epoch.year);
    NameScriptObject(state_.object, point.name1, point.name2, "Epoch " + epoch.text, number);
    window_.Redisplay();
}

}  // namespace talvo
