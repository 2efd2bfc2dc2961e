// Applying a telescope's site and time to the session, and the upload's refusals, as the windows
// meet them.
#include "forms/scope_site_commands.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/catalog_fixture.h"
#include "engine/numeric.h"
#include "forms/scope_form.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

class ScopeSiteCommandsTest : public ::testing::Test {
protected:
    SiteReading MeadeReading() const {
        SiteReading reading;
        reading.status = SiteReadStatus::kOk;
        reading.latitudeDegrees = -0.5;
        reading.longitudeDegrees = -75.0;
        return reading;
    }

    SessionState state;
    testing::ScriptedDialogs dialogs;
    platform::CommIO comm;
    ScopeSiteCommands commands{state, comm, dialogs};
};

TEST_F(ScopeSiteCommandsTest, MeadeSiteIsStoredWithItsSignsAndMarksTheConfiguration) {
    state.scope.scopeHasGps = false;
    ASSERT_TRUE(commands.ApplyReading(MeadeReading(), false));
    const ObserverSite& site = state.site;
    EXPECT_NEAR(site.latitude * kDegreesPerRadian, -0.5, 1e-9);
    EXPECT_EQ(site.latDegrees, 0);
    EXPECT_EQ(site.latSign, -1);
    EXPECT_EQ(site.latSignText, "-");
    EXPECT_EQ(site.lonDegrees, -75);
    EXPECT_FALSE(site.siteFromGps);
    EXPECT_TRUE(state.configDirty);
    EXPECT_EQ(dialogs.MessageTexts(), "Parameters Successfully Loaded from Telescope");
}

TEST_F(ScopeSiteCommandsTest, MeadeOffsetDifferentFromTheComputersIsWarnedAndTaken) {
    state.site.utcOffsetHours = 5.0f;
    SiteReading reading = MeadeReading();
    reading.offsetRead = true;
    reading.utcOffsetHours = 4.0;
    ASSERT_TRUE(commands.ApplyReading(reading, false));
    EXPECT_FLOAT_EQ(state.site.utcOffsetHours, 4.0f);
    EXPECT_EQ(dialogs.MessageTexts(),
              "Warning: Telescope UTC Offset 4 is Different from Window's 5|"
              "Parameters Successfully Loaded from Telescope");
}

TEST_F(ScopeSiteCommandsTest, ClockRefusingTheTimeStillTakesTheSite) {
    state.site.latitude = 0.7;
    SiteReading reading = MeadeReading();
    reading.timeRead = true;
    reading.utc = CivilMoment{2026, 12, 6, 2, 30, 15};
    std::string asked;
    commands.setSystemClock = [&](int y, int mo, int d, int h, int mi, int s) {
        asked = std::to_string(y) + "-" + std::to_string(mo) + "-" + std::to_string(d) + " " +
                std::to_string(h) + ":" + std::to_string(mi) + ":" + std::to_string(s);
        return std::string("Operation not permitted");
    };
    EXPECT_TRUE(commands.ApplyReading(reading, true));
    EXPECT_EQ(asked, "2026-12-6 2:30:15");
    EXPECT_NE(state.site.latitude, 0.7);
    EXPECT_TRUE(state.configDirty);
    EXPECT_EQ(
        dialogs.MessageTexts().rfind("The computer will not accept GPS time: Operation not permitted|", 0),
        0u)
        << dialogs.MessageTexts();
}

TEST_F(ScopeSiteCommandsTest, CelestronSiteIsAlwaysFromGps) {
    commands.setSystemClock = [](int, int, int, int, int, int) { return std::string(); };
    SiteReading reading = MeadeReading();
    reading.timeRead = true;
    ASSERT_TRUE(commands.ApplyReading(reading, true));
    EXPECT_TRUE(state.site.siteFromGps);
    EXPECT_EQ(dialogs.MessageTexts(), "GPS Parameters Successfully Loaded from Telescope");
}

TEST_F(ScopeSiteCommandsTest, FailedReadingTellsItsErrorAndSetsNothing) {
    SiteReading reading;
    reading.status = SiteReadStatus::kInvalidReply;
    reading.error = "Invalid Scope Response to Latitude Query= +4";
    EXPECT_FALSE(commands.ApplyReading(reading, false));
    EXPECT_EQ(dialogs.MessageTexts(), "Invalid Scope Response to Latitude Query= +4");
    EXPECT_FALSE(state.configDirty);
    dialogs.messages.clear();
    EXPECT_FALSE(commands.ApplyReading(SiteReading{}, false));  // abandoned: nothing to say
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ScopeSiteCommandsTest, UploadRefusals) {
    state.scope.scopeModel = 104;
    EXPECT_FALSE(commands.Upload(ExchangeHooks{}));
    state.scope.scopeModel = 402;
    state.clock.realTime = false;
    EXPECT_FALSE(commands.Upload(ExchangeHooks{}));
    state.clock.realTime = true;
    state.clock.hour = 23, state.clock.minute = 59, state.clock.second = 57;
    EXPECT_FALSE(commands.Upload(ExchangeHooks{}));
    EXPECT_EQ(dialogs.MessageTexts(),
              "Function not Available|Must be in Real-Time Mode for Upload Operation|"
              "Date rollover, possible inconsistency. Try Again");
}

TEST_F(ScopeSiteCommandsTest, CelestronReadingNeedsRealTime) {
    state.scope.scopeType = 1;
    state.clock.realTime = false;
    EXPECT_FALSE(commands.LoadFromScope(ExchangeHooks{}));
    EXPECT_EQ(dialogs.MessageTexts(), "Must be in Real-Time Mode for GPS Operation");
}

TEST_F(ScopeSiteCommandsTest, OptionsWindowUploadRefusedAtTheEndOfTheDayClosesTheWindow) {
    testing::RecordingMainWindow main;
    ScopeForm form{state, dialogs, comm, main};
    state.scope.scopeModel = 401;
    state.scope.scopeType = 4;
    form.Form_Load();
    ASSERT_TRUE(form.Upload.enabled);
    state.clock.hour = 23, state.clock.minute = 59, state.clock.second = 57;
    form.Upload_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Date rollover, possible inconsistency. Try Again");
    EXPECT_FALSE(form.visible);
    EXPECT_FALSE(comm.IsOpen(kScopeSlot));
}

}  // namespace
}  // namespace talvo
