#include "forms/form1.h"

#include "engine/coordinates.h"
#include "engine/display_texts.h"
#include "engine/numeric.h"
#include "engine/rise_set.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"
#include "engine/time_zone.h"
#include "forms/night_vision.h"
#include "forms/sky_chart_launch.h"
#include "platform/set_system_clock.h"
#include "platform/sky_chart.h"
#include "session/body_selection.h"

namespace talvo {

namespace {

constexpr int kTickMilliseconds = 900;

}  // namespace

Form1::Form1(SessionState& state, const platform::Clock& clock, const platform::TimeZone& zone,
             DialogServices& dialogs)
    : state_(state),
      clock_(clock),
      zone_(zone),
      dialogs_(dialogs),
      engine(state),
      searches(state, engine, dialogs, *this, searching),
      catalogSelect(state, searches, dialogs),
      wizard(state, searches, dialogs),
      scopeCommands(state, comm, dialogs, *this),
      dataEntry(state, dialogs, *this, scopeCommands, searches),
      helpForm(state, dialogs),
      scopeForm(state, dialogs, comm, *this),
      fileSelect(state, zone, dialogs, [this](const std::string& name) { Location.caption = name; }),
      transientSelect(state, searches, *this, dialogs),
      script(state, clock, dialogs, *this, searches, scopeCommands),
      skyChartFound_(!platform::SkyChartDirectory().empty()) {
    SetUpButtons();
    Label1.caption = "TALVO";
    Label1.toolTip = "Click to change background color";
    RealTime.caption = "Back to Real Time";
    RealTime.toolTip = "Click to exit fictitious time and return to real-time operation";
    RightAsc.toolTip =
        "the Right Ascension is the number of hours the object transits after the first point of Aries";
    Declination.toolTip = "The Declination is how far this object is north or south of the equator";
    Altitude.toolTip = "The number of degrees this object is above (or below) the horizon";
    ScopeType.toolTip = "Goto scope type, Telescope Serial Port, GPS Serial Port";
    Location.caption = state.homeFileName;
    Timer1.interval = kTickMilliseconds;
    comm.SetEventPump([this] { dialogs_.DoEvents(); });
    fileSelect.AttachGps(comm, [this] {
        ReadClock();
        RefreshAll();
    });
    scopeForm.siteCommands.daylightTime = [this] { return IsDaylightTime(zone_.Query()); };
    scopeForm.siteCommands.setSystemClock = [](int year, int month, int day, int hour, int minute,
                                               int second) {
        const platform::ClockSetStatus set =
            platform::SetSystemClockUtc(year, month, day, hour, minute, second);
        return set.ok ? std::string() : set.message;
    };
    fileSelect.siteCommands = &scopeForm.siteCommands;
    script.hooks.readClock = [this] {
        ReadClock();
        RefreshAll();
    };
    script.hooks.launchSkyChart = [this] { return LaunchSkyChart(state_) != SkyChartLaunch::kNotFound; };
    script.hooks.selectBody = [this](int index) { List1_Click(index); };
}

std::array<Control*, 13> Form1::ObjectFields() {
    return {&Magnitude,   &Name1,    &Name2label, &name3label, &Name4label,  &Name5Label, &RightAsc,
            &Declination, &Altitude, &Azimuth,    &RiseTime,   &TransitTime, &SetTime};
}

Colour Form1::ObjectFieldColour() const {
    return state_.object.present != 0 ? state_.textColor : state_.backColor;
}

void Form1::ApplyColours() {
    backColor = state_.backColor;
    foreColor = state_.textColor;
    for (Control* label : {&Label1, &Time, &Date, &gmt, &SiderealTime, &Latitude, &Longitude, &Catalog,
                           &General, &Location, &ScopeType}) {
        label->foreColor = state_.textColor;
        label->backColor = state_.backColor;
    }
    for (Control* field : ObjectFields()) field->backColor = state_.backColor;
}

void Form1::Form_Load() {
    ApplyColours();
    if (state_.fullCatalogInUse) {
        BestOf.enabled = true;
        BestOf.toolTip =
            "Click to have TALVO suggest the best objects to view right now in a small telescope";
    } else {
        BestOf.enabled = false;
        BestOf.toolTip = "This button is only valid when the default FULL catalog is used ";
        NextMatchButton.caption = "n Next Match";
    }
    ReadClock();
    RefreshAll();
    // The night-vision switch shows on any background but white.
    Check1.visible = state_.backColor != kWhite;
    Check1.value = state_.nightVision;
    Check1.toolTip = state_.nightVision ? kNightVisionOnTip : kNightVisionOffTip;
    Check1.foreColor = state_.textColor;
    Check1.backColor = state_.backColor;
    Timer1.enabled = true;
}

// The date and time are redrawn by the refresh itself, so a tick is the refresh. A script's
// WAIT or SLEEP leaves the refresh running on every tick.
void Form1::Timer1_Timer() {
    Form_Load();
    if (state_.scriptMode) script.Tick();
}

void Form1::ReadClock() {
    ClockState& clock = state_.clock;
    if (!clock.realTime) return;  // a fictitious moment stands still
    clock.SetMoment(clock_.Now());
    // Rise, transit and set are recomputed once a minute, every 10 seconds for a near-Earth
    // object; a transient catalog's position is looked up again at those moments too.
    if (clock.second == 0 || (state_.object.nearEarthObject && clock.second % 10 == 0))
        state_.riseSetValid = false;
}

void Form1::RefreshAll() {
    ClockState& clock = state_.clock;
    CurrentObject& object = state_.object;

    CalcTime(clock, state_.site);
    if (object.present != 0) UpdateBody(state_);
    FollowTransientPosition();

    Time.caption = TimeText(clock);
    RealTime.visible = !clock.realTime;
    RealTime.enabled = !clock.realTime;
    Latitude.caption = LatitudeText(state_.site);
    Longitude.caption = LongitudeText(state_.site);
    Date.caption = DateText(clock);
    gmt.caption = GmtText(clock);
    SiderealTime.caption = SiderealTimeText(clock);
    Catalog.caption = state_.catalogFileName;

    Colour objectColour = ObjectFieldColour();
    for (Control* field : ObjectFields()) field->foreColor = objectColour;
    DrawChainButtons();
    TraceButton.enabled = object.present != 0;
    AddObject.visible = AddObject.enabled =
        object.present != 0 && object.notInCatalog && !object.transientCatalog;
    if (object.present != 0) DrawObjectFields();
    DrawScopeControls();
}

void Form1::FollowTransientPosition() {
    const CurrentObject& object = state_.object;
    if (state_.riseSetValid || !object.transientCatalog || IsSolarSystemBody(object)) return;
    const ClockState& clock = state_.clock;
    if (object.nearEarthObject ? clock.second % 10 != 0 : clock.minute % 10 != 0) return;
    static_cast<void>(searches.ChooseTransientPosition());
}

void Form1::ReselectTransient() {
    if (state_.object.transientCatalog) static_cast<void>(searches.ChooseTransientPosition());
}

void Form1::DrawScopeControls() {
    const ScopeSettings& scope = state_.scope;
    const CurrentObject& object = state_.object;
    std::string status = "Scope= " + std::to_string(scope.scopeType);
    if (scope.scopePort != 0) status += ", Com" + StrInt(scope.scopePort);
    if (scope.gpsPort == kGpsdSource) {
        status += ", gpsd";
    } else if (scope.gpsPort != 0) {
        status += ", " + StrInt(scope.gpsPort);
    }
    ScopeType.caption = status;
    // GoTo needs a telescope, an object above the horizon (whole degrees, as shown) and the
    // present moment; the altitude changes, so this is decided on every refresh.
    GotoButton.visible = GotoButton.enabled =
        scope.scopeType != 0 && object.present != 0 && state_.clock.realTime && Fix(object.altitude) >= 1.0;
    SkyChart.visible = object.present != 0;
    SkyChart.enabled = object.present != 0 && skyChartFound_;
}

void Form1::DrawObjectFields() {
    ClockState& clock = state_.clock;
    CurrentObject& object = state_.object;

    Magnitude.caption = MagnitudeText(object);
    // Only a search that looked at the long names of a long-name catalog found a long name.
    Name1.caption = Name1Text(object, state_.longNameCatalog && state_.search.LongNameSearch);
    Name2label.caption = object.transientCatalog && !IsSolarSystemBody(object)
                             ? TransientObjectText(object, state_.catalogFileName)
                             : Name2Text(object);
    name3label.caption = Name3Text(object);
    Name4label.caption = Name4Text(object);
    Name5Label.caption = Name5Text(object);
    SetBodyToolTips();
    RightAsc.caption = RightAscText(object, GetTargetEpoch(clock, state_.scope.fixedEpoch));
    Declination.caption = DeclinationText(object);
    CalcAltAz(object, state_.site.latitude, clock.localSiderealTime);
    Altitude.caption = AltitudeText(object);
    Azimuth.caption = AzimuthText(object);

    if (!state_.riseSetValid) {
        CalcRiseTransitSet(object, state_.site.latitude, clock);
        state_.riseSetValid = true;
    }
    RiseTime.caption = RiseTimeText(object);
    TransitTime.caption = TransitTimeText(object);
    SetTime.caption = SetTimeText(object);
}

void Form1::SetBodyToolTips() {
    const CurrentObject& object = state_.object;
    const char* kCopyName = "Double-Click to place this name on Clipboard";
    bool body = IsSolarSystemBody(object);
    bool moon = object.planetIndex == kMoon;
    bool sun = object.planetIndex == kSun;
    Magnitude.toolTip = "";
    Name1.toolTip = body ? "Click to Specify the Position of an Object not in the Catalog" : kCopyName;
    if (moon) {
        Name2label.toolTip = "The Moon's Current Phase";
        name3label.toolTip = "The moon's elongation from the sun, along the ecliptic";
        Name4label.toolTip = "The moon's distance from earth, in kilometers";
        Name5Label.toolTip = "The moon's apparent size, in minutes of arc";
    } else if (body) {
        Name2label.toolTip = sun ? "The Sun's distance from Earth, in Astronomical Units"
                                 : "The Planet's distance from Earth, in Astronomical Units";
        name3label.toolTip = sun ? "" : "The planet's elongation from the sun, along the ecliptic";
        Name4label.toolTip = "";
        Name5Label.toolTip = sun ? "The sun's apparent size, in minutes of arc"
                                 : "The planet's apparent size, in seconds of arc";
    } else {
        Name2label.toolTip = "";
        name3label.toolTip =
            IsTransientObject(object)
                ? "The asteroid or comet's angular distance from the sun (not necessarily along ecliptic)"
                : "";
        Name4label.toolTip = kCopyName;
        Name5Label.toolTip = kCopyName;
    }
}

void Form1::GetReal() {
    ClockState& clock = state_.clock;
    double previousEpoch = GetTargetEpoch(clock, state_.scope.fixedEpoch);
    clock.realTime = true;
    state_.riseSetValid = false;
    ReadClock();
    ApplySystemTimeZone(state_, zone_);
    CalcTime(clock, state_.site);
    // A catalog position moves from the epoch it was shown in to the one real time presents; a
    // body is recomputed for the present moment by the refresh.
    if (!IsSolarSystemBody(state_.object)) {
        Precess(state_.object, previousEpoch, GetTargetEpoch(clock, state_.scope.fixedEpoch),
                state_.site.latitude);
    }
    ReselectTransient();
    Timer1.enabled = true;
    Form_Load();
}

}  // namespace talvo
