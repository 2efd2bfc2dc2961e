#include "app/form1.h"

#include "app/display_texts.h"
#include "engine/coordinates.h"
#include "engine/time_scales.h"

namespace talvo {

namespace {

constexpr int kTickMilliseconds = 900;

}  // namespace

Form1::Form1(SessionState& state, const platform::Clock& clock, const platform::TimeZone& zone,
             platform::DialogServices& dialogs)
    : state_(state), clock_(clock), zone_(zone), dialogs_(dialogs) {
    Label1.caption = "TALVO";
    RealTime.caption = "Back to Real Time";
    RealTime.toolTip = "Click to exit fictitious time and return to real-time operation";
    RightAsc.toolTip = "the Right Ascension is the number of hours the object transits after the first point of Aries";
    Declination.toolTip = "The Declination is how far this object is north or south of the equator";
    Altitude.toolTip = "The number of degrees this object is above (or below) the horizon";
    Timer1.interval = kTickMilliseconds;
}

void Form1::ApplyColours() {
    backColor = state_.backColor;
    foreColor = state_.textColor;
    for (Control* label : {&Label1, &Time, &Date, &gmt, &SiderealTime, &Latitude, &Longitude,
                           &Catalog, &General}) {
        label->foreColor = state_.textColor;
        label->backColor = state_.backColor;
    }
    Colour objectColour = ObjectFieldColour();
    for (Control* field : {&RightAsc, &Declination, &Altitude, &Azimuth}) {
        field->foreColor = objectColour;
        field->backColor = state_.backColor;
    }
}

Colour Form1::ObjectFieldColour() const {
    return state_.object.present != 0 ? state_.textColor : state_.backColor;
}

void Form1::Form_Load() {
    ApplyColours();
    ReadClock();
    RefreshAll();
    Timer1.enabled = true;
}

// The date and time are redrawn by the refresh itself, so a tick is the refresh.
void Form1::Timer1_Timer() { Form_Load(); }

void Form1::ReadClock() {
    ClockState& clock = state_.clock;
    if (!clock.realTime) return;  // a fictitious moment stands still
    clock.SetMoment(clock_.Now());
    // Rise, transit and set are recomputed once a minute.
    if (clock.second == 0) state_.riseSetValid = false;
}

void Form1::RefreshAll() {
    ClockState& clock = state_.clock;
    CurrentObject& object = state_.object;

    Time.caption = TimeText(clock);
    RealTime.visible = !clock.realTime;
    RealTime.enabled = !clock.realTime;
    Latitude.caption = LatitudeText(state_.site);
    Longitude.caption = LongitudeText(state_.site);
    Date.caption = DateText(clock);

    CalcTime(clock, state_.site);
    gmt.caption = GmtText(clock);
    SiderealTime.caption = SiderealTimeText(clock);
    Catalog.caption = state_.catalogFileName;

    Colour objectColour = ObjectFieldColour();
    for (Control* field : {&RightAsc, &Declination, &Altitude, &Azimuth}) field->foreColor = objectColour;
    if (object.present == 0) return;

    RightAsc.caption = RightAscText(object, GetTargetEpoch(clock, state_.scope.fixedEpoch));
    Declination.caption = DeclinationText(object);
    CalcAltAz(object, state_.site.latitude, clock.localSiderealTime);
    Altitude.caption = AltitudeText(object);
    Azimuth.caption = AzimuthText(object);
}

void Form1::GetReal() {
    ClockState& clock = state_.clock;
    double previousEpoch = GetTargetEpoch(clock, state_.scope.fixedEpoch);
    clock.realTime = true;
    state_.riseSetValid = false;
    ReadClock();
    ApplySystemTimeZone(state_, zone_);
    CalcTime(clock, state_.site);
    // The position moves from the epoch it was shown in to the one real time presents.
    if (state_.object.planetIndex < 0) {
        Precess(state_.object, previousEpoch, GetTargetEpoch(clock, state_.scope.fixedEpoch),
                state_.site.latitude);
    }
    Timer1.enabled = true;
    Form_Load();
}

}  // namespace talvo
