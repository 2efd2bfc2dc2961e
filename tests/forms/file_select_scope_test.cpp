// The home-file window's telescope button: shown by the telescope's type, and a reading that
// closes the window.
#include <gtest/gtest.h>

#include "forms/file_select.h"
#include "platform/fixed_time_zone.h"
#include "support/scoped_env.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

class FileSelectScopeTest : public ::testing::Test {
protected:
    SessionState state;
    platform::FixedTimeZone zone{5.0};
    testing::ScriptedDialogs dialogs;
    platform::CommIO comm;
    ScopeSiteCommands commands{state, comm, dialogs};
    FileSelect form{state, zone, dialogs, nullptr};
};

TEST_F(FileSelectScopeTest, ButtonFollowsTheTelescopeType) {
    EXPECT_EQ(form.ScopeGPS.caption, "Load Position from Telescope");
    state.scope.scopeType = 1;
    state.scope.scopeHasGps = false;
    form.Form_Load();
    EXPECT_EQ(form.ScopeGPS.caption, "Load from Celestron GPS Scope");
    EXPECT_EQ(form.ScopeGPS.toolTip, "Begin the process of loading data from a Celestron GPS telescope");
    EXPECT_FALSE(form.ScopeGPS.visible);
    state.scope.scopeHasGps = true;
    form.Form_Load();
    EXPECT_TRUE(form.ScopeGPS.visible && form.ScopeGPS.enabled);
    state.scope.scopeType = 4;
    form.Form_Load();
    EXPECT_EQ(form.ScopeGPS.caption, "Load Position from Meade Scope");
    EXPECT_EQ(form.ScopeGPS.toolTip, "Begin the process of loading data from a Meade Goto telescope");
    EXPECT_TRUE(form.ScopeGPS.visible && form.ScopeGPS.enabled);
    state.scope.scopeType = 2;
    form.Form_Load();
    EXPECT_FALSE(form.ScopeGPS.visible || form.ScopeGPS.enabled);
}

TEST_F(FileSelectScopeTest, ReadingThatCannotOpenThePortSaysSoAndCloses) {
    testing::ScopedEnv missing("TALVO_COM3", "/nonexistent/tty-for-file-select-test");
    state.scope.scopeType = 4;
    state.scope.scopePort = 3;
    form.siteCommands = &commands;
    form.Form_Load();
    form.ScopeGPS_Click();
    EXPECT_FALSE(form.visible);
    EXPECT_EQ(dialogs.MessageTexts(), "UNABLE TO OPEN COM 3");
    EXPECT_FALSE(state.configDirty);
}

}  // namespace
}  // namespace talvo
