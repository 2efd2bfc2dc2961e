// The main window driven as an observer would: its clock, keys, date, time and site entry, and
// the figures of a chosen body.
#include "forms/form1.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "catalog/catalog_fixture.h"
#include "engine/coordinates.h"
#include "engine/display_texts.h"
#include "engine/solar_system.h"
#include "engine/time_scales.h"
#include "session/body_selection.h"
#include "support/main_window_fixture.h"

namespace talvo {
namespace {

class Form1Test : public testing::MainWindowTest {
protected:
    std::string Clock() const { return form.Time.caption + "|" + form.Date.caption + "|" + form.gmt.caption; }
};

bool Matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}

TEST_F(Form1Test, LoadStartsTheTimerShowsTheClockAndHidesTheObjectsFields) {
    form.Form_Load();
    EXPECT_TRUE(form.Timer1.enabled && !form.RealTime.visible);
    EXPECT_EQ(Clock(), "21:30:00  EST|12-06-2026|UTC   =  02:30:00 +");
    // Keys in either case; guarded ones (N, P, G, S, O) only while their buttons are enabled.
    EXPECT_FALSE(form.GotoButton.enabled);  // no telescope
    for (char key : {'P', 'g', '?'}) form.Form_KeyPress(key);
    EXPECT_TRUE(dialogs.messages.empty());
    form.Form_KeyPress('w');
    EXPECT_TRUE(form.wizard.visible && form.openRequest == Form1::Open::Wizard);
    clock.Advance(9 * 3600 + 1);  // past midnight
    form.Timer1_Timer();
    EXPECT_EQ(Clock(), "06:30:01  EST|12-07-2026|UTC   =  11:30:01  ");

    // The object's fields are drawn in the background colour until there is an object.
    const Control* fields[] = {&form.RightAsc, &form.Declination, &form.Altitude, &form.Azimuth};
    for (const Control* field : fields) EXPECT_EQ(field->foreColor, state.backColor);
    clock.Set({2026, 12, 6, 21, 30, 0});
    SelectPosition(state, 5.588, -5.39, 2000.0);
    form.Timer1_Timer();
    for (const Control* field : fields) EXPECT_EQ(field->foreColor, state.textColor);
    EXPECT_EQ(form.Altitude.caption, "Altitude = 28\xB0 21'");
}

TEST_F(Form1Test, BackToRealTimeMovesTheObjectToTheRealTimeEpoch) {
    state.scope.fixedEpoch = 2000.0;
    state.clock.realTime = false;
    state.clock.SetMoment({2030, 8, 1, 22, 0, 0});
    CalcTime(state.clock, state.site);
    SelectPosition(state, 5.588, -5.39, 2000.0);  // shown in the epoch of date, 2031
    form.Form_Load();
    EXPECT_TRUE(form.RealTime.visible && form.RealTime.enabled);
    EXPECT_EQ(form.RightAsc.caption.substr(0, 11), " 2031 R.A. ");
    form.RealTime_Click();
    EXPECT_TRUE(state.clock.realTime && !form.RealTime.visible);
    EXPECT_EQ(form.RightAsc.caption, " 2000 R.A. =  5h 35.28m");
    // There and back by the first-order formulas: within a few arc-seconds of the start.
    EXPECT_NEAR(RightAscensionHours(state.object), 5.588, 0.5 / 3600);
    EXPECT_NEAR(DeclinationDegrees(state.object), -5.39, 6.0 / 3600);
}

// Only a leap year other than 2100 takes 29 February; the moment then stands still.
TEST_F(Form1Test, DateEntryRefusesImpossibleLeapDays) {
    form.Form_Load();
    Answer({"2", "29", "2023", "2100", "2024"});
    form.DateButton_Click();
    ASSERT_EQ(dialogs.prompts.size(), 5u);
    EXPECT_EQ(dialogs.prompts[3].prompt, "Must be valid leap year, 1980-2199");
    EXPECT_EQ(dialogs.prompts[4].prompt, "Must be valid leap year, 1980-2199, not 2100");
    EXPECT_TRUE(form.RealTime.visible && !state.clock.realTime);
    clock.Advance(60);
    form.Timer1_Timer();
    EXPECT_EQ(Clock(), "21:30:00  EST|02-29-2024|UTC   =  02:30:00 +");

    // Cancel on the year keeps the year of the moment: 2023 has no 29 February.
    state.clock.year = 2023;
    Answer({"2", "29"});
    form.DateButton_Click();
    EXPECT_EQ(form.Date.caption, "02-28-2023");
}

// Answers out of range are asked again; a catalog object moves with the epoch of the time
// entered; Cancel on the first box of the date returns to the computer's clock at once.
TEST_F(Form1Test, DateAndTimeEntryAskAgainAndCancelReturnsToRealTime) {
    form.Form_Load();
    SelectPosition(state, 5.588, -5.39, 2000.0);
    Answer({"30", "23", "5", "61", "59"});
    form.TimeButton_Click();
    EXPECT_EQ(form.Time.caption, "23:05:59  EST");
    EXPECT_EQ(form.RightAsc.caption, " 2027 R.A. =  5h 36.61m");
    Answer({"13", "4", "31", "30", "1979", "2199"});
    form.DateButton_Click();
    EXPECT_EQ(form.Date.caption, "04-30-2199");
    EXPECT_EQ(dialogs.prompts.size(), 11u);
    EXPECT_FALSE(state.clock.realTime);
    form.DateButton_Click();
    EXPECT_TRUE(state.clock.realTime && !form.RealTime.visible);
    EXPECT_EQ(Clock(), "21:30:00  EST|12-06-2026|UTC   =  02:30:00 +");
}

TEST_F(Form1Test, SiteEntryChecksInOrderAndKeepsTheWindowOpen) {
    form.Form_Load();
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
    EXPECT_EQ(dialogs.MessageTexts(),
              "Degrees of longitude must be between 0 and 179|Enter Whole Number of Degrees Only|"
              "Minutes of longitude must be between 0 and 59.999, decimals OK|Select 'East' or 'West'");
    EXPECT_TRUE(entry.visible);
    EXPECT_FALSE(state.configDirty);

    // East of Greenwich by half a degree: negative, with the sign kept on 0 degrees.
    entry.option1Checked = true;
    EXPECT_TRUE(ok("0", "30"));
    form.SiteEntered();
    EXPECT_TRUE(!entry.visible && state.configDirty);
    EXPECT_NEAR(state.site.longitude * 57.29577957855229, -0.5, 1e-12);
    EXPECT_EQ(form.Longitude.caption, " 0\xB0 30.0'  E");
}

TEST_F(Form1Test, NamesGoToTheClipboardOnlyForCatalogObjects) {
    form.Form_Load();
    SelectPosition(state, 5.588, -5.39, 2000.0);
    state.object.notInCatalog = false;
    state.object.name4 = "=M42        ";
    form.NameLabel_DblClick(form.Name4label);
    EXPECT_EQ(dialogs.clipboard, "M42");
    dialogs.clipboard.clear();
    form.Form_KeyPress('5');  // Jupiter: not a catalog object
    form.NameLabel_DblClick(form.Name1);
    EXPECT_EQ(dialogs.clipboard, "");
}

// A long-name catalog (flag "L") whose fifth name is only found by a long-name search.
TEST_F(Form1Test, NameOneSaysLongNameOnlyWhileALongNameSearchFoundTheObject) {
    testing::TempDir dir;
    state.appDir = dir.path();
    const std::vector<std::string> names = {"NGC 5139", "", "Globular", "Centaurus", "Omega Cen"};
    testing::WriteCatalog(dir.File("LONG.TLV"),
                          {testing::CatalogLine(names, 13.4461, -47.48, 3.7, 2000, 'L')});
    testing::WriteCatalog(dir.File("PLAIN.TLV"), {testing::CatalogLine(names, 13.4461, -47.48, 3.7)});
    auto nameOne = [&](const char* catalog, const char* typed) {
        EXPECT_TRUE(form.searches.ChooseCatalog(catalog, dir.path()));
        SearchRequest request;
        request.name = typed;
        EXPECT_EQ(form.searches.Search(request), SearchOutcome::Found) << catalog << " " << typed;
        return form.Name1.caption;
    };
    form.Form_Load();
    EXPECT_EQ(nameOne("LONG.TLV", "Omega**"), "Long Name= NGC 5139    ");
    EXPECT_EQ(nameOne("LONG.TLV", "NGC 5139"), "Name = NGC 5139    ");
    EXPECT_EQ(nameOne("PLAIN.TLV", "Omega**"), "Name = NGC 5139    ");

    // A body chosen after a long-name search shows its own name plainly.
    nameOne("LONG.TLV", "Omega**");
    form.Form_KeyPress('0');
    EXPECT_EQ(form.Name1.caption, "Name = Sun         ");
}

// Reference: the Sun 0.9853 AU away in Ophiuchus.
TEST_F(Form1Test, TheSunAndThePlanets) {
    form.ReadClock();
    CalcTime(state.clock, state.site);
    ASSERT_TRUE(SelectBody(state, kSun));
    const CurrentObject& sun = state.object;
    EXPECT_EQ(
        Name1Text(sun, false) + "|" + MagnitudeText(sun) + "|" + Name2Text(sun) + "|" + Name3Text(sun) + "|" +
            Name4Text(sun) + "|" + Name5Text(sun),
        "Name = Sun         ||Distance= 0.985 AU|Elongation= 0|Constellation= Ophiuchus   |Size= 32.5'");
    EXPECT_FALSE(SelectBody(state, 10) || SelectBody(state, -1));
    EXPECT_EQ(state.object.planetIndex, kSun);
}

// The window keeps a chosen body current every tick, and recomputes its rise, transit and set
// only when the flag is cleared (the new minute in real time).
TEST_F(Form1Test, FollowsTheChosenBody) {
    clock.Set({2026, 12, 6, 21, 30, 30});
    form.ReadClock();
    CalcTime(state.clock, state.site);
    ASSERT_TRUE(SelectBody(state, 5));  // Jupiter rises at about 22:02
    form.RefreshAll();
    EXPECT_TRUE(state.riseSetValid);
    EXPECT_TRUE(Matches(form.RiseTime.caption, "NextRise = 22:0\\d  ")) << form.RiseTime.caption;
    const std::string risen = form.RiseTime.caption;
    const double ra = RightAscensionHours(state.object);

    clock.Set({2026, 12, 6, 22, 40, 30});
    form.Timer1_Timer();
    EXPECT_EQ(form.RiseTime.caption, risen);           // the flag still set: not recomputed
    EXPECT_NE(RightAscensionHours(state.object), ra);  // but the position moved on

    clock.Set({2026, 12, 6, 22, 41, 0});
    form.Timer1_Timer();
    EXPECT_TRUE(state.riseSetValid);
    EXPECT_TRUE(Matches(form.RiseTime.caption, "Rose At = 22:0\\d  ")) << form.RiseTime.caption;
}

}  // namespace
}  // namespace talvo
