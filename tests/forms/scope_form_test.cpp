// The options window driven as an observer would: choosing a telescope, its port, the epoch, the
// size and sky, and what OK and Cancel do with them.
#include "forms/scope_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "catalog/catalog_fixture.h"
#include "engine/coordinates.h"
#include "engine/time_scales.h"
#include "session/session_state.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

const char* kNoPortsForGoto =
    "Error: No available COM ports were found. Cannot Perform Goto\n"
    "If you are using a USB-to-Serial adapter, verify that it is properly installed.\n"
    "Some other application may be currently using your COM port.";

class ScopeFormTest : public ::testing::Test {
protected:
    void Open() {
        form.Form_Load();
        dialogs.messages.clear();
    }
    void Yes(int count) {
        for (int i = 0; i < count; ++i) dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    }

    SessionState state;
    testing::ScriptedDialogs dialogs;
    platform::CommIO comm;
    testing::RecordingMainWindow main;
    ScopeForm form{state, dialogs, comm, main};
};

TEST_F(ScopeFormTest, OpensWithTheSettingsShown) {
    state.scope.scopeModel = 406;
    state.scope.sizeClass = 4;
    state.scope.skyClass = 1;
    state.scope.ignoreInvalidEntries = -1;
    state.scope.fixedEpoch = 1950.0;
    form.ScopeStatus.caption = "old";
    Open();
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.List1.listIndex, 9);  // a refined Meade code selects its row
    EXPECT_TRUE(form.Upload.enabled && form.OK.enabled);
    EXPECT_EQ(form.ScopeSizeList.listIndex, 4);
    EXPECT_EQ(form.SkyList.listIndex, 1);
    EXPECT_FALSE(form.Check1.value);
    EXPECT_TRUE(form.UseFixedEpoch.value);
    EXPECT_EQ(form.UseJ2000.caption, "Use Epoch 1950");
    EXPECT_EQ(form.ScopeStatus.caption, "");
    EXPECT_TRUE(form.List2.items.empty());

    state.scope.scopeModel = 999;  // not in the list
    state.scope.fixedEpoch = -1.0;
    Open();
    EXPECT_EQ(form.List1.listIndex, -1);
    EXPECT_FALSE(form.Upload.enabled || form.UseFixedEpoch.value);
    EXPECT_EQ(form.UseJ2000.caption, "Use Epoch 2000");
}

TEST_F(ScopeFormTest, TelescopeWithoutAnyPortFoundFallsBackToNone) {
    Open();
    form.List1_Click(9);
    EXPECT_EQ(dialogs.MessageTexts(), kNoPortsForGoto);
    EXPECT_EQ(form.List1.listIndex, 0);
    EXPECT_TRUE(form.ListTouched());
    dialogs.messages.clear();
    form.List1_Click(0);
    EXPECT_EQ(dialogs.MessageTexts(), "No available COM ports were found. Cannot Use GPS");

    // With a port set, choosing says nothing.
    state.scope.scopePort = 2;
    dialogs.messages.clear();
    form.List1_Click(9);
    EXPECT_EQ(dialogs.MessageTexts(), "");
    EXPECT_EQ(form.List1.listIndex, 9);
}

TEST_F(ScopeFormTest, OkWithoutASelectionKeepsTheWindowOpen) {
    state.scope.scopeModel = 999;
    state.scope.fixedEpoch = -1.0;
    Open();
    EXPECT_FALSE(form.OK_Click());
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(dialogs.MessageTexts(), "Make a Selection|No Scope Selected!|No Com Port Selected!");
    EXPECT_EQ(state.scope.scopeModel, 999);
    EXPECT_FALSE(state.configDirty);
}

TEST_F(ScopeFormTest, OkWithACelestronTurnsTheFixedEpochOnAndRefreshesTheMainWindow) {
    state.scope.fixedEpoch = -1.0;
    state.scope.scopePort = 3;
    Open();
    form.List1_Click(2);  // NexStar 5i / 8i
    Yes(1);               // it has a GPS
    EXPECT_TRUE(form.OK_Click());
    EXPECT_NE(dialogs.MessageTexts().find("'Use J2000' is being set"), std::string::npos);
    EXPECT_EQ(state.scope.scopeModel, 107);
    EXPECT_EQ(state.scope.scopeType, 1);
    EXPECT_EQ(state.scope.fixedEpoch, 2000.0);
    EXPECT_TRUE(form.UseFixedEpoch.value);
    EXPECT_TRUE(state.configDirty && state.scope.scopeHasGps);
    EXPECT_FALSE(form.visible || form.ListTouched());
    EXPECT_GE(main.redisplays, 1);
}

TEST_F(ScopeFormTest, OkWithAMeadeClearsTheEpochAndAsksForAPort) {
    state.scope.fixedEpoch = 2000.0;
    state.scope.scopePort = 3;
    Open();
    form.List1_Click(9);
    state.scope.scopePort = 0;  // e.g. a home file without one
    Yes(2);                     // a GPS, built in
    EXPECT_TRUE(form.OK_Click());
    EXPECT_EQ(state.scope.scopeModel, 406);
    EXPECT_EQ(state.scope.scopeType, 4);
    EXPECT_EQ(state.scope.fixedEpoch, -1.0);
    EXPECT_EQ(dialogs.messages.back().text, "No Com Port Selected!");
}

TEST_F(ScopeFormTest, OkAfterOnlyThePortChangedLeavesTheEpoch) {
    state.scope.scopeModel = 101;
    state.scope.scopeType = 1;
    state.scope.fixedEpoch = -1.0;  // the observer turned the option off
    Open();
    state.scope.scopePort = 4;
    EXPECT_TRUE(form.OK_Click());
    EXPECT_EQ(state.scope.fixedEpoch, -1.0);
    EXPECT_EQ(dialogs.MessageTexts(), "");
}

TEST_F(ScopeFormTest, EpochLabelAsksUntilTheYearIsInRange) {
    state.scope.fixedEpoch = -1.0;
    Open();
    form.UseJ2000_Click();  // the option is off: the label asks nothing
    EXPECT_TRUE(dialogs.prompts.empty());

    form.UseFixedEpoch_Click(true);
    EXPECT_EQ(state.scope.fixedEpoch, 2000.0);
    EXPECT_EQ(form.UseJ2000.caption, "Use Epoch 2000");
    dialogs.inputAnswers = {std::string("2201"), std::string("19o0"), std::string(" 1900 ")};
    form.UseJ2000_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Invalid Selection: 2201|Invalid Selection: 19o0");
    EXPECT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(state.scope.fixedEpoch, 1900.0);
    EXPECT_EQ(form.UseJ2000.caption, "Use Epoch 1900");

    dialogs.inputAnswers = {std::string("2200")};
    form.UseJ2000_Click();
    EXPECT_EQ(state.scope.fixedEpoch, 2200.0);
    dialogs.inputAnswers = {std::string("")};
    form.UseJ2000_Click();
    form.UseJ2000_Click();  // cancelled
    EXPECT_EQ(state.scope.fixedEpoch, 2200.0);

    // Unchecked and checked again: the epoch chosen is gone, 2000 comes back.
    form.UseFixedEpoch_Click(false);
    EXPECT_EQ(state.scope.fixedEpoch, -1.0);
    EXPECT_EQ(form.UseJ2000.caption, "Use Epoch 2000");
    form.UseFixedEpoch_Click(true);
    EXPECT_EQ(state.scope.fixedEpoch, 2000.0);
    EXPECT_TRUE(state.configDirty);
}

TEST_F(ScopeFormTest, ChangingTheEpochMovesTheObjectShownInRealTime) {
    SetSite(state.site, 40.5, 74.25);
    state.clock.SetMoment({2026, 12, 6, 21, 30, 0});
    CalcTime(state.clock, state.site);
    state.scope.fixedEpoch = -1.0;
    SelectPosition(state, 5.588, -5.39, 2000.0);  // shown in the epoch of date
    const double ofDate = RightAscensionHours(state.object);
    ASSERT_GT(std::fabs(ofDate - 5.588), 1e-4);
    Open();
    form.UseFixedEpoch_Click(true);
    EXPECT_NEAR(RightAscensionHours(state.object), 5.588, 1e-4);
    form.UseFixedEpoch_Click(false);
    EXPECT_NEAR(RightAscensionHours(state.object), ofDate, 1e-4);
    EXPECT_GE(main.redisplays, 2);
}

TEST_F(ScopeFormTest, SizeSkyAndInvalidEntriesTakeEffectAtOnce) {
    Open();
    form.ScopeSizeList_Click(1);
    form.SkyList_Click(1);
    EXPECT_DOUBLE_EQ(state.scope.defaultMagnitudeLimit, 7.5);
    form.Check1_Click(false);
    EXPECT_EQ(state.scope.ignoreInvalidEntries, -1);
    EXPECT_FALSE(state.scope.ignoreInvalid);
    form.Check1_Click(true);
    EXPECT_EQ(state.scope.ignoreInvalidEntries, 1);
    EXPECT_TRUE(state.scope.ignoreInvalid);
    // Cancel keeps them, and the session knows there is something to save.
    form.Cancel_Click();
    EXPECT_FALSE(form.visible);
    EXPECT_DOUBLE_EQ(state.scope.defaultMagnitudeLimit, 7.5);
    EXPECT_TRUE(state.configDirty);
}

}  // namespace
}  // namespace talvo
