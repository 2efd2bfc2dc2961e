// The main window's model: its controls, its 900 ms timer and the per-tick refresh.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "catalog/search_engine.h"
#include "forms/catalog_select.h"
#include "forms/control.h"
#include "forms/data_entry.h"
#include "forms/dialog_services.h"
#include "forms/file_select.h"
#include "forms/help_form.h"
#include "forms/main_window_hooks.h"
#include "forms/scope_commands.h"
#include "forms/scope_form.h"
#include "forms/script_processor.h"
#include "forms/search_commands.h"
#include "forms/searching.h"
#include "forms/transient_select.h"
#include "forms/wizard.h"
#include "platform/clock.h"
#include "platform/serial_port.h"
#include "platform/time_zone.h"
#include "session/session_state.h"

namespace talvo {

class Form1 final : public MainWindowHooks {
    // Declared first: the windows below are built on them.
    SessionState& state_;
    const platform::Clock& clock_;
    const platform::TimeZone& zone_;
    DialogServices& dialogs_;

public:
    Form1(SessionState& state, const platform::Clock& clock, const platform::TimeZone& zone,
          DialogServices& dialogs);

    // Window colours.
    Colour backColor = kDarkRed;
    Colour foreColor = kYellow;

    // Controls, under the names the program gives them.
    Control Label1;  // the title
    Control Time;
    Control Date;
    Control gmt;
    Control SiderealTime;
    Control Latitude;
    Control Longitude;
    Control Catalog;
    Control Magnitude;
    Control Name1;
    Control Name2label;
    Control name3label;
    Control Name4label;
    Control Name5Label;
    Control RightAsc;
    Control Declination;
    Control Altitude;
    Control Azimuth;
    Control RiseTime;
    Control TransitTime;
    Control SetTime;
    Control General;    // status line
    Control Location;   // the home location file's name
    Control RealTime;   // "Back to Real Time", shown only in fictitious time
    Control ScopeType;  // telescope family and serial ports: "Scope= 4, Com 3,  5"
    Timer Timer1;       // the real-time loop

    // Command buttons; each caption starts with the key that also presses it.
    Control TraceButton, DateButton, LongitudeButton, LatitudeButton, TimeButton, CatalogButton,
        WriteMatchButton, BestOf, GetComet, Scope, ObjectButton, PreviousMatch, SkyChart, DetailedSearch,
        Help, ObsLogButton, AddObject, NextMatchButton, SimpleSearch, Command3, Command2, GotoButton;
    CheckControl Check1;  // "Night Vision": checked while the windows are in night colours
    ListControl List1;    // the solar-system list

    // The serial ports of every telescope and GPS exchange; window events run while they wait.
    platform::CommIO comm;

    // The windows the main window opens, and the search engine its buttons drive.
    Searching searching;
    SearchEngine engine;
    SearchCommands searches;
    CatalogSelect catalogSelect;
    Wizard wizard;
    ScopeCommands scopeCommands;
    DataEntry dataEntry;
    HelpForm helpForm;
    ScopeForm scopeForm;
    FileSelect fileSelect;
    TransientSelect transientSelect;
    // The command-line script, run one command per tick.
    ScriptProcessor script;

    // Makes the program's desktop launcher at the first run and returns the message for a
    // failure (empty when made). Not set, no launcher is made: the program sets it, tests need not.
    std::function<std::string()> createShortcut;

    // What the window asks the view to show next (the view opens it and clears the request).
    enum class Open { None, CatalogSelect, DataEntry, Help, ScopeForm, FileSelect, Wizard, TransientSelect };
    Open openRequest = Open::None;

    // The window opens: applies the colours, reads the clock and refreshes every field; also the
    // body of every tick.
    void Form_Load();

    // One tick of the real-time loop: the refresh, then, while a script runs, its next step.
    void Timer1_Timer();

    // Recomputes and redraws every field, in the window's order.
    void RefreshAll();

    // Copies the system clock into the session's clock (real time only).
    void ReadClock();

    // Back to real time: the clock, the zone, the time scales and the object follow.
    void GetReal();
    void RealTime_Click() { GetReal(); }

    // Keys typed while the main window has the focus.
    void Form_KeyPress(char key);

    // Button handlers.
    void DateButton_Click();
    void TimeButton_Click();
    void LatitudeButton_Click();
    void LongitudeButton_Click();
    void SimpleSearch_Click();
    void BestOf_Click();
    void NextMatchButton_Click();
    void PreviousMatch_Click();
    void WriteMatchButton_Click();
    void CatalogButton_Click();
    // "w Search Wizard": opens the search wizard on the current catalog.
    void DetailedSearch_Click();
    // "a Get Comet / Asteroid": the transient catalog window.
    void GetComet_Click();
    void AddObject_Click();
    void Help_Click();
    // Starts the sky-chart program centred on the object; says so when it is not found.
    void SkyChart_Click();
    // Night vision on or off, as the box is clicked.
    void Check1_Click();
    // The title: switches between the red and the white colour scheme, after asking.
    void Label1_Click();
    void GotoButton_Click() { scopeCommands.GotoButton_Click(); }
    void ObjectButton_Click();
    void Scope_Click();
    // Observing notes typed into input boxes go to the log, each after the object's line.
    void ObsLogButton_Click();
    // Tabulates the object's altitude and azimuth over the coming hours in "traces.txt".
    void TraceButton_Click();
    void List1_Click(int index);
    // "l Load": the home file chooser; "v Save": the home file under a name the observer confirms.
    void Command3_Click();
    void Command2_Click();
    // The home file chooser closed: the window shows the file loaded, and a first run's file
    // opens the options window.
    void FileSelectClosed();
    // Buttons (and other controls) whose functions this version does not have yet: a message
    // says so, naming the function.
    void NotAvailable_Click(const Control& button);
    void NotAvailable(const std::string& function);

    // Double-click on a name label: the shown name goes to the clipboard (catalog objects only).
    void NameLabel_DblClick(const Control& label);

    // Start-up: reads the home file (a failure is shown and the defaults kept). True when the
    // first run's questions follow: the view then calls NextFirstRunStep after each window.
    bool LoadHomeAtStart();
    // The first run, one window at a time: the options window with its message, the latitude,
    // the longitude (suggested from the system's time zone), then the first-use date is set and
    // the home file saved.
    void NextFirstRunStep();
    [[nodiscard]] bool FirstRunPending() const { return firstRunStep_ != FirstRunStep::None; }
    // The window is closing, however that was asked: changed options are offered for saving.
    void Form_QueryUnload();
    // Saves the home file under `name` (normalised to ".HOM"); says why when it cannot.
    void SaveHomeUnder(const std::string& name);

    // The site entry window closed with OK: the site changed.
    void SiteEntered();

    // MainWindowHooks: what the catalog windows change here.
    void ResetChainButtons() override;
    void MatchesExhausted(const std::string& caption, int matchCount) override;
    void ClearBodySelection() override;
    void SetStatus(const std::string& text) override;
    void SetSearchButtons(const std::string& simpleSearchCaption, bool enabled) override;
    void Redisplay() override;

    // The colour object fields are drawn in: the text colour with an object, the background
    // colour (nothing shows) without one.
    Colour ObjectFieldColour() const;

    // The controls that describe the object: drawn in the background colour without one.
    std::array<Control*, 13> ObjectFields();

private:
    enum class FirstRunStep { None, Options, Latitude, Longitude, Save };
    FirstRunStep firstRunStep_ = FirstRunStep::None;

    void ApplyColours();
    void SetUpButtons();
    void DrawChainButtons();
    void DrawObjectFields();
    // The telescope status label and the buttons that need a telescope or the sky chart.
    void DrawScopeControls();
    void SetBodyToolTips();
    // A transient catalog's position follows the clock: every 10 minutes, and every 10 seconds
    // for a near-Earth object, it is looked up again for the moment shown.
    void FollowTransientPosition();
    // After the moment changed: the transient catalog's line for the new moment.
    void ReselectTransient();

    bool skyChartFound_ = false;  // the sky-chart program is installed (looked up once)
};

}  // namespace talvo
