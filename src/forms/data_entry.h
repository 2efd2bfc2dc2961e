// The entry window: a site coordinate (latitude or longitude) typed in degrees and minutes, or
// the position of an object that is not in the catalog, typed or read from the telescope.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "forms/control.h"
#include "forms/dialog_services.h"
#include "forms/main_window_hooks.h"
#include "forms/scope_commands.h"
#include "forms/search_commands.h"
#include "session/session_state.h"

namespace talvo {

class DataEntry {
public:
    enum class Mode { Latitude, Longitude, Object };

    DataEntry(SessionState& state, DialogServices& dialogs, MainWindowHooks& window, ScopeCommands& scope,
              SearchCommands& searches)
        : state_(state), dialogs_(dialogs), window_(window), scope_(scope), searches_(searches) {}

    std::string caption;
    bool visible = false;
    Mode mode = Mode::Latitude;

    // Site: "North"/"East" and "South"/"West". Object: "Specify RA and Dec", "Specify Alt and Az",
    // "Load Position from Scope".
    Control Option1;
    Control Option2;
    Control Option3;  // object entry only
    bool option1Checked = false;
    bool option2Checked = false;
    bool option3Checked = false;
    Control Text1;   // site: degrees (whole numbers); object: its name (required)
    Control Text2;   // site: minutes (decimals allowed); object: its second name
    Control Label1;  // "Deg" or "Name1"
    Control Label2;  // "Min" or "Name2"
    Control Status;  // what a telescope read waits for
    Control OK;
    Control Cancel;

    // Called after every change while the window is open (the status of a telescope read), so a
    // view can redraw.
    std::function<void()> changed;

    // Opens the window for the latitude or the longitude, with nothing chosen or typed; or with
    // `suggestion` (degrees, north and west positive) chosen and typed, for the observer to
    // confirm or change.
    void ShowSite(Mode siteMode, std::optional<double> suggestion = std::nullopt);
    // Opens the window for an object's position, with nothing chosen or typed.
    void ShowObject();

    // Checks the entry; on the first fault shows its message and keeps the window open.
    // Returns true when the window closes (for a site: the site was replaced; for an object:
    // after the questions, whether or not they made an object current).
    bool OK_Click();
    void Cancel_Click() { Form_Unload(); }
    // The window closes by any means: a telescope read still waiting ends, and the site's date
    // order is decided again.
    void Form_Unload();

private:
    bool SiteOK();
    bool ObjectOK();
    bool Refuse(const char* message);

    SessionState& state_;
    DialogServices& dialogs_;
    MainWindowHooks& window_;
    ScopeCommands& scope_;
    SearchCommands& searches_;
};

}  // namespace talvo
