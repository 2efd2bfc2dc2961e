#include "app/form1.h"

#include <gtest/gtest.h>

#include "app/session_state.h"
#include "engine/coordinates.h"
#include "engine/time_scales.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

using testing::FakeClock;
using testing::ScriptedDialogs;

class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        SetSite(state.site, 40.5, 74.25);
        ApplySystemTimeZone(state, zone);
        ApplyDateOrder(state);
    }

    SessionState state;
    FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    ScriptedDialogs dialogs;
    Form1 form{state, clock, zone, dialogs};
};

TEST_F(Form1Test, LoadStartsTheTimerAndShowsTheClock) {
    form.Form_Load();
    EXPECT_TRUE(form.Timer1.enabled);
    EXPECT_EQ(form.Timer1.interval, 900);
    EXPECT_EQ(form.Time.caption, "21:30:00  EST");
    EXPECT_EQ(form.Date.caption, "12-06-2026");
    EXPECT_EQ(form.gmt.caption, "UTC   =  02:30:00 +");
    EXPECT_EQ(form.Latitude.caption, " 40\xB0 30.0'  N");
    EXPECT_FALSE(form.RealTime.visible);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.prompts.empty());

    clock.Advance(1);
    form.Timer1_Timer();
    EXPECT_EQ(form.Time.caption, "21:30:01  EST");
    clock.Advance(9 * 3600);  // past midnight
    form.Timer1_Timer();
    EXPECT_EQ(form.Time.caption, "06:30:01  EST");
    EXPECT_EQ(form.Date.caption, "12-07-2026");
    EXPECT_EQ(form.gmt.caption, "UTC   =  11:30:01  ");
}

TEST_F(Form1Test, FictitiousTimeStandsStill) {
    state.clock.realTime = false;
    state.clock.SetMoment({2030, 8, 1, 22, 0, 0});
    form.Form_Load();
    EXPECT_EQ(form.Time.caption, "22:00:00  EST");
    EXPECT_TRUE(form.RealTime.visible);
    EXPECT_TRUE(form.RealTime.enabled);

    clock.Advance(60);
    form.Timer1_Timer();
    EXPECT_EQ(form.Time.caption, "22:00:00  EST");
    EXPECT_EQ(form.Date.caption, "08-01-2030");
}

TEST_F(Form1Test, BackToRealTimeMovesTheObjectToTheRealTimeEpoch) {
    state.scope.fixedEpoch = 2000.0;
    state.clock.realTime = false;
    state.clock.SetMoment({2030, 8, 1, 22, 0, 0});
    CalcTime(state.clock, state.site);
    SelectPosition(state, 5.588, -5.39, 2000.0);  // shown in the epoch of date, 2031
    form.Form_Load();
    EXPECT_EQ(form.RightAsc.caption.substr(0, 11), " 2031 R.A. ");
    EXPECT_GT(RightAscensionHours(state.object), 5.588 + 1.0 / 60.0);
    form.RealTime_Click();
    EXPECT_TRUE(state.clock.realTime);
    EXPECT_FALSE(form.RealTime.visible);
    EXPECT_FALSE(form.RealTime.enabled);
    EXPECT_TRUE(form.Timer1.enabled);
    EXPECT_EQ(form.Time.caption, "21:30:00  EST");
    EXPECT_EQ(form.RightAsc.caption, " 2000 R.A. =  5h 35.28m");
    // There and back by the first-order formulas: within a few arc-seconds of the start.
    EXPECT_NEAR(RightAscensionHours(state.object), 5.588, 0.5 / 3600);
    EXPECT_NEAR(DeclinationDegrees(state.object), -5.39, 6.0 / 3600);
}

TEST_F(Form1Test, ObjectFieldsAreHiddenWithoutAnObject) {
    form.Form_Load();
    for (const Control* field : {&form.RightAsc, &form.Declination, &form.Altitude, &form.Azimuth}) {
        EXPECT_EQ(field->foreColor, state.backColor);
    }
    EXPECT_EQ(form.Time.foreColor, state.textColor);

    CalcTime(state.clock, state.site);
    SelectPosition(state, 5.588, -5.39, 2000.0);
    form.Timer1_Timer();
    for (const Control* field : {&form.RightAsc, &form.Declination, &form.Altitude, &form.Azimuth}) {
        EXPECT_EQ(field->foreColor, state.textColor);
    }
    EXPECT_EQ(form.Altitude.caption, "Altitude = 28\xB0 21'");
    EXPECT_EQ(form.Azimuth.caption, "Azimuth = 126\xB0 53'  (SE)");
}

TEST_F(Form1Test, RiseAndSetAreRecomputedAtEachNewMinute) {
    clock.Set({2026, 12, 6, 21, 30, 1});
    state.riseSetValid = true;
    form.Timer1_Timer();
    EXPECT_TRUE(state.riseSetValid);
    clock.Set({2026, 12, 6, 21, 31, 0});
    form.Timer1_Timer();
    EXPECT_FALSE(state.riseSetValid);
}

}  // namespace
}  // namespace talvo
