#include "forms/file_select.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "forms/window_exchange_hooks.h"
#include "platform/data_dirs.h"
#include "session/search_request.h"

namespace talvo {

namespace {

bool IsHomeFileName(const std::string& name) {
    if (name.size() <= 4 || name[0] == '.') return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".HOM";
}

}  // namespace

FileSelect::FileSelect(SessionState& state, const platform::TimeZone& zone, DialogServices& dialogs,
                       ShowLocation showLocation)
    : state_(state), zone_(zone), dialogs_(dialogs), showLocation_(std::move(showLocation)) {
    File1.toolTip = "Select a location file";
    Command1.caption = "Load the selected file";
    Command1.toolTip = "Load the location and options of the selected file";
    Command2.caption = "Cancel";
    GPSload.caption = "Load From GPS Device";
    GPSload.toolTip = "Begin the process of loading data from a hand-held GPS receiver";
    Check1.caption = "Load Time From GPS or Scope";
    Check1.toolTip = "If this box is unchecked, the GPS will set the location, but not the time";
    GPSstatus.caption = "GPS Status";
    ScopeGPS.caption = "Load Position from Telescope";
}

void FileSelect::Form_Load() {
    backColor = state_.backColor;
    foreColor = state_.textColor;
    for (Control* control : {static_cast<Control*>(&File1), &Command1, &Command2, &GPSload,
                             static_cast<Control*>(&Check1), &GPSstatus}) {
        control->backColor = backColor;
        control->foreColor = foreColor;
    }
    firstRunLoaded = false;
    Check1.value = !state_.doNotLoadTime;
    GPSstatus.caption = "GPS Status";
    GPSload.enabled = true;
    Command1.enabled = true;
    const ScopeSettings& scope = state_.scope;
    ScopeGPS.visible = ScopeGPS.enabled = false;
    if (scope.scopeType == 1) {
        ScopeGPS.caption = "Load from Celestron GPS Scope";
        ScopeGPS.toolTip = "Begin the process of loading data from a Celestron GPS telescope";
        ScopeGPS.visible = ScopeGPS.enabled = scope.scopeHasGps;
    } else if (scope.scopeType == 4) {
        ScopeGPS.caption = "Load Position from Meade Scope";
        ScopeGPS.toolTip = "Begin the process of loading data from a Meade Goto telescope";
        ScopeGPS.visible = ScopeGPS.enabled = true;
    }
    ListFiles();
    visible = true;
}

void FileSelect::ListFiles() {
    File1.items.clear();
    File1.listIndex = -1;
    File1.items = platform::ListBothFolders(state_.appDir, state_.dataDir, IsHomeFileName);
}

void FileSelect::File1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(File1.items.size())) return;
    File1.listIndex = index;
}

void FileSelect::Command1_Click() {
    if (File1.listIndex < 0 || File1.listIndex >= static_cast<int>(File1.items.size())) {
        dialogs_.MessageBox("No File Selected!", MessageButtons::Ok, "TALVO");
        return;
    }
    const std::string previousName = state_.homeFileName;
    state_.homeFileName = File1.items[static_cast<std::size_t>(File1.listIndex)];
    const HomeLoad load = LoadHomeFile(state_, zone_, dialogs_, showLocation_);
    if (!load.Loaded()) {
        // The session still holds the previous file's values, and saving goes back to its name.
        state_.homeFileName = previousName;
        dialogs_.MessageBox(load.message, MessageButtons::Ok, "TALVO");
        return;
    }
    if (load.FirstRun()) {
        firstRunLoaded = true;
        state_.firstUseDate = state_.clock.julianDate;
        const HomeSave save = SaveHomeFile(state_, showLocation_);
        if (!save.ok) dialogs_.MessageBox(save.message, MessageButtons::Ok, "TALVO");
    }
    SearchState& search = state_.search;
    search.MinimumAltitude = static_cast<float>(kNoMinimumAltitude);
    search.MaximumAltitude = static_cast<float>(kNoMaximumAltitude);
    search.FaintestMagnitude = static_cast<float>(DefaultFaintestMagnitude(state_));
    visible = false;
}

void FileSelect::AttachGps(platform::CommIO& comm, std::function<void()> refreshMain) {
    gps = std::make_unique<GpsCommands>(state_, comm, dialogs_);
    refreshMain_ = std::move(refreshMain);
}

void FileSelect::GPSload_Click() {
    if (!gps) return;
    GpsWindow window;
    window.status = [this](const std::string& text) {
        GPSstatus.caption = text;
        if (statusChanged) statusChanged();
    };
    window.open = [this] { return visible; };
    GPSload.enabled = false;
    Command1.enabled = false;
    ScopeGPS.enabled = false;
    const GpsLoadOutcome outcome = gps->LoadFromGps(window);
    if (outcome != GpsLoadOutcome::kNotStarted && refreshMain_) refreshMain_();
    visible = false;
}

void FileSelect::Check1_Click(bool checked) {
    Check1.value = checked;
    state_.doNotLoadTime = !checked;
    state_.configDirty = true;
}

void FileSelect::ScopeGPS_Click() {
    if (siteCommands == nullptr) return;
    Command1.enabled = ScopeGPS.enabled = GPSload.enabled = false;
    ExchangeHooks hooks = WindowExchangeHooks(dialogs_);
    hooks.keepGoing = [this] { return visible; };  // closing the window abandons the wait
    hooks.status = [this](const std::string& text) {
        GPSstatus.caption = text;
        if (statusChanged) statusChanged();
    };
    static_cast<void>(siteCommands->LoadFromScope(hooks));
    Command1.enabled = true;
    visible = false;
}

}  // namespace talvo
