// The main window's model: its controls, its 900 ms timer and the per-tick refresh.
#pragma once

#include <array>

#include "app/control.h"
#include "app/session_state.h"
#include "platform/clock.h"
#include "platform/dialog_services.h"
#include "platform/time_zone.h"

namespace talvo {

class Form1 {
public:
    Form1(SessionState& state, const platform::Clock& clock, const platform::TimeZone& zone,
          platform::DialogServices& dialogs);

    // Window colours.
    Colour backColor = kDarkRed;
    Colour foreColor = kYellow;

    // Controls, under the names the program gives them.
    Control Label1;        // the title
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
    Control General;       // status line
    Control RealTime;      // "Back to Real Time", shown only in fictitious time
    Timer Timer1;          // the real-time loop

    // The window opens: applies the colours, reads the clock and refreshes every field; also the
    // body of every tick.
    void Form_Load();

    // One tick of the real-time loop.
    void Timer1_Timer();

    // Recomputes and redraws every field, in the window's order.
    void RefreshAll();

    // Copies the system clock into the session's clock (real time only).
    void ReadClock();

    // Back to real time: the clock, the zone, the time scales and the object follow.
    void GetReal();
    void RealTime_Click() { GetReal(); }

    // The colour object fields are drawn in: the text colour with an object, the background
    // colour (nothing shows) without one.
    Colour ObjectFieldColour() const;

    // The controls that describe the object: drawn in the background colour without one.
    std::array<Control*, 13> ObjectFields();

private:
    void ApplyColours();
    void DrawObjectFields();
    void SetBodyToolTips();

    SessionState& state_;
    const platform::Clock& clock_;
    const platform::TimeZone& zone_;
    platform::DialogServices& dialogs_;
};

}  // namespace talvo
