#include "app/cli_session.h"

#include <filesystem>
#include <sstream>

#include "app/console_dialogs.h"
#include "engine/numeric.h"
#include "engine/time_scales.h"
#include "forms/home_location.h"
#include "platform/file_append.h"
#include "platform/program_dir.h"
#include "session/body_selection.h"

namespace talvo {

namespace {

// Reads the home file into the session, leaving its folders and file name as they were. False
// when the file cannot be read (the session is then as it was); `problem` says why for --home.
bool LoadCliHomeFile(SessionState& state, const CliSessionOptions& options, const platform::TimeZone& zone,
                     std::ostream& messages, std::string& problem) {
    const std::string appDir = state.appDir;
    const std::string dataDir = state.dataDir;
    const std::string homeFileName = state.homeFileName;
    if (!options.homeFile.empty()) {
        const std::filesystem::path path(options.homeFile);
        state.homeFileName = path.filename().string();
        state.appDir = path.has_parent_path() ? path.parent_path().string() + "/" : std::string();
        state.dataDir.clear();
    }
    // Unattended, the model rules' questions ("Does this Scope have a GPS?") are answered No
    // without a word, as the window does for a script.
    std::ostringstream unsaid;
    ConsoleDialogs dialogs(state.scriptMode ? static_cast<std::ostream&>(unsaid) : messages);
    const HomeLoad load = LoadHomeFile(state, zone, dialogs, {});
    state.appDir = appDir;
    state.dataDir = dataDir;
    state.homeFileName = homeFileName;
    if (!load.Loaded() && !options.homeFile.empty()) {
        problem = "cannot read the home location file " + options.homeFile +
                  (load.status == HomeLoadStatus::Malformed ? " (it is not a home location file)" : "");
    }
    return load.Loaded();
}

}  // namespace

std::string PrepareCliSession(SessionState& state, const CliSessionOptions& options,
                              const platform::Clock& clock, const platform::TimeZone& zone,
                              std::ostream& messages) {
    platform::IgnoreFileSizeSignal();
    const platform::DataDirs dirs = platform::ProgramDataDirs();
    state.appDir = dirs.appDir;
    state.dataDir = dirs.dataDir;
    std::string problem;
    const bool loaded = LoadCliHomeFile(state, options, zone, messages, problem);
    if (!problem.empty()) return problem;
    if (!loaded || options.latitudeDegrees || options.longitudeDegrees) {
        SetSite(state.site, options.latitudeDegrees.value_or(state.site.latitude * kDegreesPerRadian),
                options.longitudeDegrees.value_or(state.site.longitude * kDegreesPerRadian));
    }
    ApplySystemTimeZone(state, zone);
    ApplyDateOrder(state);
    if (options.fixedEpoch) state.scope.fixedEpoch = *options.fixedEpoch;

    LocalDateTime moment = clock.Now();
    if (options.date) {
        moment.year = options.date->year;
        moment.month = options.date->month;
        moment.day = options.date->day;
    }
    if (options.time) {
        moment.hour = options.time->hour;
        moment.minute = options.time->minute;
        moment.second = options.time->second;
    }
    if (options.date || options.time) {
        SetLocalMoment(state, moment);  // fictitious time, as the window's Date and Time commands make it
        return {};
    }
    state.clock.realTime = true;
    state.clock.SetMoment(moment);
    CalcTime(state.clock, state.site);
    return {};
}

void SelectPositionOrBody(SessionState& state, const CliObjectOptions& options) {
    if (options.raHours)
        SelectPosition(state, *options.raHours, *options.decDegrees, options.epoch.value_or(2000.0));
    if (options.planet) static_cast<void>(SelectBody(state, *options.planet));  // the parser checked the row
}

}  // namespace talvo
