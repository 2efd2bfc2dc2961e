// The options window: which GoTo telescope is attached and on which serial ports, the GPS port,
// the telescope's size and the sky for the default search limit, the fixed epoch, and whether
// invalid catalog entries are skipped.
#pragma once

#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/dialog_services.h"
#include "forms/main_window_hooks.h"
#include "forms/scope_site_commands.h"
#include "forms/searching.h"
#include "platform/serial_port.h"
#include "session/session_state.h"

namespace talvo {

class ScopeForm {
public:
    // The serial slot the port search tries ports on; closed again when the window closes.
    static constexpr std::int16_t kSearchSlot = 3;
    static constexpr int kHighestPort = 64;  // the search tries COM1 to COM64

    ScopeForm(SessionState& state, DialogServices& dialogs, platform::CommIO& comm, MainWindowHooks& main);

    std::string caption = "Select or Manage Goto Telescope & Other Options";
    bool visible = false;
    Colour backColor = kDarkRed;
    Colour foreColor = kYellow;

    ListControl List1;  // the telescope models
    Control Label1;
    ListControl List2;  // the serial ports the last search found: "COM3  /dev/ttyUSB2  pl2303"
    Control Label2;
    Control ComSearch;  // search the ports for the telescope
    Control GPSSelect;  // search the ports for the GPS receiver
    ListControl ScopeSizeList;
    Control Label3;
    ListControl SkyList;
    Control Label4;
    CheckControl UseFixedEpoch;
    Control UseJ2000;  // the fixed epoch's label; clicking it asks for another epoch
    CheckControl Check1;
    Control IgnoreInvalid;  // Check1's label
    Control Upload;
    Control ScopeStatus;
    Control OK;
    Control Cancel;

    // The progress window of the port search.
    Searching searching;
    // The upload of the site and time (its clock and daylight hooks are the main window's).
    ScopeSiteCommands siteCommands;

    void Form_Load();
    void ComSearch_Click();
    void GPSSelect_Click();
    void List1_Click(int index);
    void List2_Click(int index);
    void ScopeSizeList_Click(int index);
    void SkyList_Click(int index);
    // The check boxes report the state they were clicked into.
    void UseFixedEpoch_Click(bool checked);
    void UseJ2000_Click();
    void Check1_Click(bool checked);
    void Upload_Click();
    // Applies the chosen model; true when the window closed.
    bool OK_Click();
    void Cancel_Click();
    // The window closes, by any means.
    void Form_Unload();

    // Ports the last search found (0 before any search).
    int PortsFound() const { return portsFound_; }
    bool ListTouched() const { return listTouched_; }

private:
    enum class Purpose { Telescope, Gps };

    // Tries COM1 to COM64 and lists those that open; returns how many did.
    int SearchPorts(Purpose purpose);
    // Draws the fixed-epoch check box and its label from the settings.
    void DrawEpoch();
    // Sets the fixed epoch; the object shown follows it.
    void ChangeEpoch(double fixedEpoch);
    void Tell(const std::string& text);

    SessionState& state_;
    DialogServices& dialogs_;
    platform::CommIO& comm_;
    MainWindowHooks& main_;
    Purpose purpose_ = Purpose::Telescope;
    int portsFound_ = 0;
    bool listTouched_ = false;
};

// The status line after a port search: why ports with a device could not be had (the first two
// reasons, then how many more).
std::string UnusablePortsText(const std::vector<std::string>& reasons);

}  // namespace talvo
