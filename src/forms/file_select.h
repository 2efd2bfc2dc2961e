// The home file chooser (`FileSelect`): the home location files of the writable and data folders, and
// loading one of them. The GPS and telescope controls of this window, which load the site from
// a receiver or a telescope, join it beside the file list.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "forms/control.h"
#include "forms/dialog_services.h"
#include "forms/gps_commands.h"
#include "forms/home_location.h"
#include "forms/scope_site_commands.h"
#include "platform/time_zone.h"
#include "session/session_state.h"

namespace talvo {

class FileSelect {
public:
    FileSelect(SessionState& state, const platform::TimeZone& zone, DialogServices& dialogs,
               ShowLocation showLocation);

    std::string caption = "Load Home Location File or GPS Data";
    bool visible = false;
    Colour backColor = kDarkRed;
    Colour foreColor = kYellow;

    ListControl File1;                   // the home files of appDir and dataDir, sorted, each name once
    std::string File1Pattern = "*.HOM";  // compared without regard to case
    Control Command1;                    // "Load the selected file"
    Control Command2;                    // "Cancel"
    Control GPSload;                     // "Load From GPS Device"
    CheckControl Check1;                 // "Load Time From GPS or Scope": checked unless doNotLoadTime
    Control GPSstatus;                   // the GPS reading's status line
    Control ScopeGPS;                    // load the site (and time) from the telescope

    // Reads and applies the telescope's site; the main window's, shared with the options window.
    ScopeSiteCommands* siteCommands = nullptr;

    // Set when the file just loaded was a first run's: the main window then opens the options
    // window with kFirstRunMessage.
    bool firstRunLoaded = false;

    // Opens the window in the main window's colours on the home files of both folders.
    void Form_Load();
    void File1_Click(int index);
    // Loads the selected file; a first run's file gets today's date as its first use and is
    // saved at once. The search limits go back to their defaults and the window closes. A file
    // that cannot be loaded leaves the session as it was and the window open.
    void Command1_Click();
    void Command2_Click() { visible = false; }
    // Reads the site from a Celestron GPS (type 1) or Meade (type 4) telescope, then closes.
    void ScopeGPS_Click();

    // Gives the window the serial ports for GPSload, and what refreshes the main window after a
    // reading. Until then GPSload does nothing.
    void AttachGps(platform::CommIO& comm, std::function<void()> refreshMain);
    // Loads the site, and the clock unless doNotLoadTime, from the GPS receiver; the window
    // closes at the end (closing it while the reading waits abandons the reading).
    void GPSload_Click();
    // Follows Check1's new state into doNotLoadTime and marks the configuration changed.
    void Check1_Click(bool checked);
    // The GPS load of GPSload_Click (its clock setter may be replaced), once attached.
    std::unique_ptr<GpsCommands> gps;
    // Called when GPSstatus changes during a reading, so that the view can show it at once.
    std::function<void()> statusChanged;

private:
    void ListFiles();

    SessionState& state_;
    const platform::TimeZone& zone_;
    DialogServices& dialogs_;
    ShowLocation showLocation_;
    std::function<void()> refreshMain_;
};

}  // namespace talvo
