// The main window's keys and its date, time and site entry, driven as an observer would.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "engine/time_scales.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

using testing::FakeClock;
using testing::ScriptedDialogs;

class Form1Commands : public ::testing::Test {
protected:
    Form1Commands() {
        SetSite(state.site, 40.5, 74.25);
        ApplySystemTimeZone(state, zone);
        ApplyDateOrder(state);
        form.Form_Load();
    }

    void Answer(std::initializer_list<const char*> answers) {
        for (const char* a : answers) dialogs.inputAnswers.emplace_back(std::string(a));
    }

    SessionState state;
    FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    ScriptedDialogs dialogs;
    Form1 form{state, clock, zone, dialogs};
};

TEST_F(Form1Commands, KeysActInEitherCaseAndGuardedKeysOnlyWhileEnabled) {
    form.Form_KeyPress('3');
    EXPECT_EQ(state.object.planetIndex, 3);
    EXPECT_EQ(form.List1.listIndex, 3);
    EXPECT_EQ(form.Name1.caption, "Name = Moon        ");

    // N and P do nothing while their buttons are disabled; G, S, O neither.
    form.Form_KeyPress('n');
    form.Form_KeyPress('P');
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.prompts.empty());
    form.GotoButton.enabled = false;
    form.Form_KeyPress('g');
    EXPECT_TRUE(dialogs.messages.empty());

    // Unguarded letters always act; a function not built yet says so by name.
    form.Form_KeyPress('X');
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Options: this function is not available yet in this version of TALVO.");
    form.Form_KeyPress('/');
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].title, "Search for Object in Catalog");
    form.Form_KeyPress('@');
    EXPECT_EQ(form.openRequest, Form1::Open::DataEntry);
    EXPECT_EQ(form.dataEntry.caption, "Enter Degrees and Minutes of Latitude   ");
    form.Form_KeyPress('?');  // not a key of the window
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Form1Commands, DateEntryRefusesImpossibleLeapDays) {
    Answer({"2", "29", "2023", "2100", "2024"});
    form.DateButton_Click();
    ASSERT_EQ(dialogs.prompts.size(), 5u);
    EXPECT_EQ(dialogs.prompts[0].prompt,
              "Input Month, 1-12, press OK to Keep Current Value, press 'CANCEL' to use System Time");
    EXPECT_EQ(dialogs.prompts[0].title.rfind("JulianDate = 2461381.", 0), 0u);
    EXPECT_EQ(dialogs.prompts[1].title, "Set Day of Month");
    EXPECT_EQ(dialogs.prompts[2].prompt, "Input year, 1980-2199");
    EXPECT_EQ(dialogs.prompts[3].prompt, "Must be valid leap year, 1980-2199");
    EXPECT_EQ(dialogs.prompts[4].prompt, "Must be valid leap year, 1980-2199, not 2100");
    EXPECT_FALSE(state.clock.realTime);
    EXPECT_EQ(form.Date.caption, "02-29-2024");
    EXPECT_TRUE(form.RealTime.visible);

    // The moment stands still in fictitious time.
    clock.Advance(60);
    form.Timer1_Timer();
    EXPECT_EQ(form.Time.caption, "21:30:00  EST");
}

TEST_F(Form1Commands, DateEntryReasksOutOfRangeAnswersAndCancelReturnsToRealTime) {
    Answer({"13", "4", "31", "30", "1979", "2199"});
    form.DateButton_Click();
    EXPECT_EQ(form.Date.caption, "04-30-2199");
    EXPECT_EQ(dialogs.prompts[1].prompt, dialogs.prompts[0].prompt);  // 13 asked again

    // Cancel on the first box: back to the computer's clock at once.
    dialogs.prompts.clear();
    form.DateButton_Click();
    EXPECT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_TRUE(state.clock.realTime);
    EXPECT_EQ(form.Date.caption, "12-06-2026");
    EXPECT_FALSE(form.RealTime.visible);
}

TEST_F(Form1Commands, CancelOnTheYearKeepsAValidDate) {
    state.clock.realTime = false;
    state.clock.year = 2023;
    Answer({"2", "29"});  // then Cancel on the year: 2023 has no 29 February
    form.DateButton_Click();
    EXPECT_EQ(form.Date.caption, "02-28-2023");
}

TEST_F(Form1Commands, TimeEntryMovesACatalogObjectWithTheEpoch) {
    form.Form_KeyPress('0');  // the Sun, then a catalog-like position
    CalcTime(state.clock, state.site);
    SelectPosition(state, 5.588, -5.39, 2000.0);
    Answer({"30", "23", "5", "61", "59"});
    form.TimeButton_Click();
    EXPECT_EQ(dialogs.prompts[1].title, "Input Hour");
    EXPECT_EQ(dialogs.prompts[2].title, "Input Minutes");
    EXPECT_EQ(dialogs.prompts[4].title, "Input Seconds");
    EXPECT_EQ(form.Time.caption, "23:05:59  EST");
    EXPECT_FALSE(state.clock.realTime);
    EXPECT_EQ(form.RightAsc.caption, " 2027 R.A. =  5h 36.61m");
}

TEST_F(Form1Commands, SiteEntryChecksInOrderAndKeepsTheWindowOpen) {
    form.LongitudeButton_Click();
    DataEntry& entry = form.dataEntry;
    auto ok = [&](const char* degrees, const char* minutes) {
        entry.Text1.caption = degrees;
        entry.Text2.caption = minutes;
        return entry.OK_Click();
    };
    EXPECT_FALSE(ok("180", "0"));
    EXPECT_FALSE(ok("12.5", "0"));
    EXPECT_FALSE(ok("12", "60"));
    EXPECT_FALSE(ok("12", "30"));  // neither East nor West
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[0].text, "Degrees of longitude must be between 0 and 179");
    EXPECT_EQ(dialogs.messages[1].text, "Enter Whole Number of Degrees Only");
    EXPECT_EQ(dialogs.messages[2].text, "Minutes of longitude must be between 0 and 59.999, decimals OK");
    EXPECT_EQ(dialogs.messages[3].text, "Select 'East' or 'West'");
    EXPECT_TRUE(entry.visible);
    EXPECT_FALSE(state.configDirty);

    // East of Greenwich by half a degree: negative, with the sign kept on 0 degrees.
    entry.option1Checked = true;
    EXPECT_TRUE(ok("0", "30"));
    form.SiteEntered();
    EXPECT_FALSE(entry.visible);
    EXPECT_TRUE(state.configDirty);
    EXPECT_EQ(state.site.lonSign, -1);
    EXPECT_NEAR(state.site.longitude * 57.29577957855229, -0.5, 1e-12);
    EXPECT_EQ(form.Longitude.caption, " 0\xB0 30.0'  E");

    form.LatitudeButton_Click();
    EXPECT_FALSE(ok("90", "0"));
    EXPECT_EQ(dialogs.messages.back().text, "Degrees of latitude must be between 0 and 89");
    EXPECT_FALSE(ok("-5", "0"));
    EXPECT_FALSE(ok("5", "-1"));
    EXPECT_EQ(dialogs.messages.back().text, "Minutes of latitude must be between 0 and 59.999, decimals OK");
    EXPECT_FALSE(ok("5", "1"));
    EXPECT_EQ(dialogs.messages.back().text, "Select 'North' or 'South'");
}

TEST_F(Form1Commands, NamesGoToTheClipboardOnlyForCatalogObjects) {
    state.object.present = 1;
    state.object.planetIndex = -1;
    state.object.notInCatalog = false;
    state.object.name1 = "=M42        ";
    state.object.name4 = "Nebula      ";
    form.NameLabel_DblClick(form.Name1);
    EXPECT_EQ(dialogs.clipboard, "M42");
    form.NameLabel_DblClick(form.Name4label);
    EXPECT_EQ(dialogs.clipboard, "Nebula");

    dialogs.clipboard.clear();
    form.Form_KeyPress('5');  // Jupiter: not a catalog object
    form.NameLabel_DblClick(form.Name1);
    EXPECT_EQ(dialogs.clipboard, "");
}

}  // namespace
}  // namespace talvo
