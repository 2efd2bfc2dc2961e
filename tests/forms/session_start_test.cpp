// A session from its first start to the next: the home file read at start-up, the first run's
// questions, and the offer to save when the window closes.
#include <gtest/gtest.h>

#include <memory>

#include "forms/form1.h"
#include "forms/home_location.h"
#include "platform/fixed_time_zone.h"
#include "platform/zone_location.h"
#include "session/session_state.h"
#include "support/fake_clock.h"
#include "support/scoped_env.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::ScopedEnv;

// One run of the program in the scratch folder: a fresh session and main window.
struct ProgramRun {
    explicit ProgramRun(const std::string& folder) {
        state.appDir = folder;
        form = std::make_unique<Form1>(state, clock, zone, dialogs);
    }
    SessionState state;
    testing::FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;
};

class SessionStartTest : public ::testing::Test {
protected:
    testing::ScratchDir dir;
    ScopedEnv zoneName{"TZ", "America/New_York"};
};

TEST_F(SessionStartTest, FirstRunAsksTelescopeAndSiteAndTheAnswersSurviveARestart) {
    {
        ProgramRun first(dir.path());
        ASSERT_TRUE(first.form->LoadHomeAtStart());  // no TALVO.HOM: said, then a first run
        EXPECT_NE(first.dialogs.MessageTexts().find("Unable to read Home Location file"), std::string::npos);
        Form1& form = *first.form;
        // The launcher is made once, with the options window; a failure is said and the run goes on.
        int launchersMade = 0;
        form.createShortcut = [&launchersMade] {
            ++launchersMade;
            return std::string("Permission Denied, Desktop Directory = /home/ann/Desktop");
        };
        form.NextFirstRunStep();
        EXPECT_EQ(form.openRequest, Form1::Open::ScopeForm);
        EXPECT_NE(first.dialogs.MessageTexts().find(kFirstRunMessage), std::string::npos);
        EXPECT_EQ(launchersMade, 1);
        EXPECT_EQ(first.dialogs.messages.back().text,
                  "Permission Denied, Desktop Directory = /home/ann/Desktop");
        first.state.scope.scopePort = 3;
        form.scopeForm.List1_Click(10);  // "4 - Meade Autostar and compatibles"
        form.scopeForm.OK_Click();

        // The site entry suggests the zone's reference city (New York, 40 42' 51" N 74 0' 23" W).
        form.NextFirstRunStep();
        ASSERT_EQ(form.openRequest, Form1::Open::DataEntry);
        EXPECT_TRUE(form.dataEntry.option1Checked);  // North
        EXPECT_EQ(form.dataEntry.Text1.caption, "40");
        EXPECT_EQ(form.dataEntry.Text2.caption, "42.9");
        form.dataEntry.Text1.caption = "41";
        EXPECT_TRUE(form.dataEntry.OK_Click());
        form.NextFirstRunStep();
        EXPECT_TRUE(form.dataEntry.option2Checked);  // West
        EXPECT_EQ(form.dataEntry.Text1.caption, "74");
        EXPECT_TRUE(form.dataEntry.OK_Click());
        form.NextFirstRunStep();
        EXPECT_FALSE(form.FirstRunPending());
        EXPECT_EQ(launchersMade, 1);
        EXPECT_FALSE(first.state.configDirty);  // saved with the answers
        first.state.backColor = 0x400000;
    }
    ProgramRun second(dir.path());
    EXPECT_FALSE(second.form->LoadHomeAtStart());
    EXPECT_EQ(second.dialogs.MessageTexts(), "");
    EXPECT_EQ(second.state.site.latDegrees, 41);
    EXPECT_NEAR(second.state.site.latMinutes, 42.9, 1e-9);
    EXPECT_EQ(second.state.site.lonDegrees, 74);
    EXPECT_EQ(second.state.scope.scopeModel, 402);
    EXPECT_EQ(second.state.scope.scopeType, 4);
    EXPECT_EQ(second.state.scope.scopePort, 3);
    EXPECT_TRUE(second.state.scope.autostarHandbox);
    EXPECT_GE(second.state.firstUseDate, kFirstUseUnset);
    EXPECT_EQ(second.form->Location.caption, "TALVO.HOM");
}

TEST_F(SessionStartTest, ClosingOffersToSaveChangesAndAnEmptyNameSavesNothing) {
    ProgramRun run(dir.path());
    run.form->Form_QueryUnload();  // nothing changed: nothing asked
    EXPECT_TRUE(run.dialogs.prompts.empty());

    run.state.configDirty = true;
    run.form->Form_QueryUnload();  // declined
    ASSERT_EQ(run.dialogs.prompts.size(), 1u);
    EXPECT_EQ(run.dialogs.prompts[0].prompt, "Do you want to save current configuration changes?");
    EXPECT_EQ(run.dialogs.prompts[0].title, "Save Parameters in Home File");
    EXPECT_EQ(dir.Listing(), "");

    // A file of an older version asks in its own words; the answer names the file.
    run.state.homeFileVersion = 11.0;
    run.dialogs.inputAnswers = {std::string("MYSITE")};
    run.state.backColor = 0x123456;
    run.state.firstUseDate = 2461016.5;          // not a first run next time
    run.form->scopeForm.ScopeSizeList_Click(4);  // 7 or 8 inches
    run.form->scopeForm.SkyList_Click(1);        // suburban
    run.form->scopeForm.Check1_Click(false);     // invalid entries shown
    run.form->Form_QueryUnload();
    EXPECT_EQ(run.dialogs.prompts[1].prompt, "TALVO has been updated, \nOld Location File Should be Saved.");
    EXPECT_EQ(dir.Listing(), "MYSITE.HOM");
    EXPECT_FALSE(run.state.configDirty);

    ProgramRun next(dir.path());
    next.state.homeFileName = "MYSITE.HOM";
    EXPECT_FALSE(next.form->LoadHomeAtStart());
    EXPECT_EQ(next.state.backColor, 0x123456u);
    EXPECT_EQ(next.state.scope.sizeClass, 4);
    EXPECT_EQ(next.state.scope.skyClass, 1);
    EXPECT_DOUBLE_EQ(next.state.scope.defaultMagnitudeLimit, 10.5);
    EXPECT_FALSE(next.state.scope.ignoreInvalid);

    // Scripts end without the question.
    run.state.configDirty = true;
    run.state.scriptMode = true;
    run.form->Form_QueryUnload();
    EXPECT_EQ(run.dialogs.prompts.size(), 2u);
}

TEST(ZoneLocation, ReferenceCitiesOfTheZoneTable) {
    const std::optional<platform::ZoneLocation> newYork = platform::ParseZoneCoordinates("+404251-0740023");
    ASSERT_TRUE(newYork);
    EXPECT_NEAR(newYork->latitudeDegrees, 40.714167, 1e-6);
    EXPECT_NEAR(newYork->longitudeDegrees, 74.006389, 1e-6);  // west positive
    const std::optional<platform::ZoneLocation> sydney = platform::ParseZoneCoordinates("-3352+15113");
    ASSERT_TRUE(sydney);
    EXPECT_NEAR(sydney->latitudeDegrees, -33.866667, 1e-6);
    EXPECT_NEAR(sydney->longitudeDegrees, -151.216667, 1e-6);
    for (const char* bad : {"", "+4042", "+4042-07400x", "+4099-07400", "404251-0740023"}) {
        EXPECT_FALSE(platform::ParseZoneCoordinates(bad)) << bad;
    }

    testing::ScratchDir zoneInfo;
    zoneInfo.Write("zone1970.tab", "# comment\nDE,DK\t+5230+01322\tEurope/Berlin\tmost of Germany\n");
    EXPECT_NEAR(platform::ZoneReferenceLocation("Europe/Berlin", zoneInfo.path())->longitudeDegrees,
                -13.366667, 1e-6);
    EXPECT_FALSE(platform::ZoneReferenceLocation("Etc/UTC", zoneInfo.path()));
    ScopedEnv tz("TZ", ":Europe/Berlin");
    EXPECT_EQ(platform::SystemZoneName(), "Europe/Berlin");
}

}  // namespace
}  // namespace talvo
