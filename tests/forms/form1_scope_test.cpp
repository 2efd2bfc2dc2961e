// The main window's telescope status, its GoTo and sky-chart buttons, and the options key.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "engine/time_scales.h"
#include "forms/form1.h"
#include "platform/fixed_time_zone.h"
#include "session/session_state.h"
#include "support/fake_clock.h"
#include "support/scoped_env.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

using testing::ScopedEnv;

// 40.5 N 74.25 W on 2026-12-06 at 21:30 local time. No sky-chart program is installed.
class Form1ScopeTest : public ::testing::Test {
protected:
    Form1ScopeTest() {
        SetSite(state.site, 40.5, 74.25);
        ApplySystemTimeZone(state, zone);
    }

    // A position well up in the sky at that moment, and one that never rises there.
    void SelectHigh() { SelectAt(5.588, -5.39); }
    void SelectBelow() { SelectAt(12.0, -80.0); }
    void SelectAt(double ra, double dec) {
        CalcTime(state.clock, state.site);
        SelectPosition(state, ra, dec, 2000.0);
        form->Timer1_Timer();
    }

    ScopedEnv noSkyChart{"TALVO_SKYCHART_DIR", std::nullopt};
    ScopedEnv path{"PATH", "/nonexistent"};
    SessionState state;
    testing::FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(state, clock, zone, dialogs);
};

TEST_F(Form1ScopeTest, StatusShowsTheTypeAndThePortsSet) {
    form->Form_Load();
    EXPECT_EQ(form->ScopeType.caption, "Scope= 0");
    state.scope.scopeType = 4;
    state.scope.scopePort = 3;
    state.scope.gpsPort = 5;
    form->Timer1_Timer();
    EXPECT_EQ(form->ScopeType.caption, "Scope= 4, Com 3,  5");
    state.scope.scopeType = 1;
    state.scope.scopePort = 0;
    state.scope.gpsPort = 12;
    form->Timer1_Timer();
    EXPECT_EQ(form->ScopeType.caption, "Scope= 1,  12");
}

TEST_F(Form1ScopeTest, GotoNeedsATelescopeAnObjectUpAndRealTime) {
    form->Form_Load();
    EXPECT_FALSE(form->GotoButton.visible || form->GotoButton.enabled);
    SelectHigh();
    EXPECT_FALSE(form->GotoButton.visible);  // no telescope
    state.scope.scopeType = 4;
    form->Timer1_Timer();
    EXPECT_TRUE(form->GotoButton.visible && form->GotoButton.enabled);
    SelectBelow();
    EXPECT_FALSE(form->GotoButton.visible || form->GotoButton.enabled);
    SelectHigh();
    EXPECT_TRUE(form->GotoButton.visible);
    state.clock.realTime = false;  // a fictitious moment
    form->Timer1_Timer();
    EXPECT_FALSE(form->GotoButton.visible);
}

TEST_F(Form1ScopeTest, SkyChartShowsWithAnObjectAndWorksWhenTheProgramIsThere) {
    form->Form_Load();
    EXPECT_FALSE(form->SkyChart.visible || form->SkyChart.enabled);
    SelectHigh();
    EXPECT_TRUE(form->SkyChart.visible);
    EXPECT_FALSE(form->SkyChart.enabled);

    // The program is looked up when the window is made.
    ScopedEnv installed{"TALVO_SKYCHART_DIR", std::filesystem::temp_directory_path().string()};
    form = std::make_unique<Form1>(state, clock, zone, dialogs);
    form->Form_Load();
    EXPECT_TRUE(form->SkyChart.visible && form->SkyChart.enabled);
}

TEST_F(Form1ScopeTest, OptionsKeyOpensTheOptionsWindowAndOkRefreshesTheStatus) {
    state.scope.scopePort = 2;
    form->Form_Load();
    form->Form_KeyPress('x');
    EXPECT_EQ(form->openRequest, Form1::Open::ScopeForm);
    EXPECT_TRUE(form->scopeForm.visible);
    EXPECT_TRUE(dialogs.messages.empty());
    form->scopeForm.List1_Click(10);  // Meade Autostar
    EXPECT_TRUE(form->scopeForm.OK_Click());
    EXPECT_EQ(form->ScopeType.caption, "Scope= 4, Com 2");
}

}  // namespace
}  // namespace talvo
