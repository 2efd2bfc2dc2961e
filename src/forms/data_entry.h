// The entry window for a site coordinate (latitude or longitude) typed in degrees and minutes.
#pragma once

#include <string>

#include "forms/control.h"
#include "forms/dialog_services.h"
#include "session/session_state.h"

namespace talvo {

class DataEntry {
public:
    enum class Mode { Latitude, Longitude };

    DataEntry(SessionState& state, DialogServices& dialogs) : state_(state), dialogs_(dialogs) {}

    std::string caption;
    bool visible = false;
    Mode mode = Mode::Latitude;

    Control Option1;  // "North" or "East"
    Control Option2;  // "South" or "West"
    bool option1Checked = false;
    bool option2Checked = false;
    Control Text1;   // degrees (whole numbers)
    Control Text2;   // minutes (decimals allowed)
    Control Label1;  // "Deg"
    Control Label2;  // "Min"
    Control OK;
    Control Cancel;

    // Opens the window for the latitude or the longitude, with nothing chosen or typed.
    void ShowSite(Mode siteMode);

    // Checks the entry; on the first fault shows its message and keeps the window open.
    // Returns true when the site was replaced (the window closes).
    bool OK_Click();
    void Cancel_Click() { visible = false; }

private:
    SessionState& state_;
    DialogServices& dialogs_;
};

}  // namespace talvo
