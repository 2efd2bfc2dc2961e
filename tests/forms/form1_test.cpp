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
#include "platform/fixed_time_zone.h"
#include "session/body_selection.h"
#include "session/session_state.h"
#include "support/fake_clock.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

// 40.5 N 74.25 W, five hours west of UTC; the computer's clock reads 2026-12-06 21:30:00.
class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        SetSite(state.site, 40.5, 74.25);
        ApplySystemTimeZone(state, zone);
        ApplyDateOrder(state);
    }

    void Answer(std::initializer_list<const char*> answers) {
        for (const char* a : answers) dialogs.inputAnswers.emplace_back(std::string(a));
    }

    std::string Clock() const { return form.Time.caption + "|" + form.Date.caption + "|" + form.gmt.caption; }

    SessionState state;
    testing::FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    testing::ScriptedDialogs dialogs;
    Form1 form{state, clock, zone, dialogs};
};

bool Matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}

TEST_F(Form1Test, LoadStartsTheTimerShowsTheClockAndHidesTheObjectsFields) {
    form.Form_Load();
    EXPECT_TRUE(form.Timer1.enabled && !form.RealTime.visible);
    EXPECT_EQ(form.Timer1.interval, 900);
    EXPECT_EQ(Clock(), "21:30:00  EST|12-06-2026|UTC   =  02:30:00 +");
    EXPECT_EQ(form.Latitude.caption, " 40\xB0 30.0'  N");
    EXPECT_TRUE(dialogs.messages.empty() && dialogs.prompts.empty());

    clock.Advance(1);
    form.Timer1_Timer();
    EXPECT_EQ(form.Time.caption, "21:30:01  EST");
    clock.Advance(9 * 3600);  // past midnight
    form.Timer1_Timer();
    EXPECT_EQ(Clock(), "06:30:01  EST|12-07-2026|UTC   =  11:30:01  ");

    // The object's fields are drawn in the background colour until there is an object.
    const Control* fields[] = {&form.RightAsc, &form.Declination, &form.Altitude, &form.Azimuth};
    for (const Control* field : fields) EXPECT_EQ(field->foreColor, state.backColor);
    EXPECT_EQ(form.Time.foreColor, state.textColor);
    clock.Set({2026, 12, 6, 21, 30, 0});
    form.Timer1_Timer();
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
    EXPECT_EQ(form.Time.caption, "22:00:00  EST");
    EXPECT_TRUE(form.RealTime.visible && form.RealTime.enabled);
    EXPECT_EQ(form.RightAsc.caption.substr(0, 11), " 2031 R.A. ");
    EXPECT_GT(RightAscensionHours(state.object), 5.588 + 1.0 / 60.0);
    form.RealTime_Click();
    EXPECT_TRUE(state.clock.realTime);
    EXPECT_FALSE(form.RealTime.visible || form.RealTime.enabled);
    EXPECT_TRUE(form.Timer1.enabled);
    EXPECT_EQ(form.Time.caption, "21:30:00  EST");
    EXPECT_EQ(form.RightAsc.caption, " 2000 R.A. =  5h 35.28m");
    // There and back by the first-order formulas: within a few arc-seconds of the start.
    EXPECT_NEAR(RightAscensionHours(state.object), 5.588, 0.5 / 3600);
    EXPECT_NEAR(DeclinationDegrees(state.object), -5.39, 6.0 / 3600);
}

TEST_F(Form1Test, KeysActInEitherCaseAndGuardedKeysOnlyWhileEnabled) {
    form.Form_Load();
    form.Form_KeyPress('3');
    EXPECT_EQ(form.List1.listIndex, 3);

    // N and P do nothing while their buttons are disabled; G, S, O neither.
    form.Form_KeyPress('n');
    form.Form_KeyPress('P');
    form.GotoButton.enabled = false;
    form.Form_KeyPress('g');
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.prompts.empty());

    // Unguarded letters always act; a function not built yet says so by name.
    form.Form_KeyPress('X');
    form.Form_KeyPress('?');  // not a key of the window
    EXPECT_EQ(dialogs.MessageTexts(),
              "Options: this function is not available yet in this version of TALVO.");
    form.Form_KeyPress('@');
    EXPECT_EQ(form.openRequest, Form1::Open::DataEntry);
    EXPECT_EQ(form.dataEntry.caption, "Enter Degrees and Minutes of Latitude   ");
}

TEST_F(Form1Test, DateEntryRefusesImpossibleLeapDays) {
    form.Form_Load();
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
    EXPECT_TRUE(form.RealTime.visible && !state.clock.realTime);

    // The moment stands still in fictitious time.
    clock.Advance(60);
    form.Timer1_Timer();
    EXPECT_EQ(Clock(), "21:30:00  EST|02-29-2024|UTC   =  02:30:00 +");
}

TEST_F(Form1Test, DateEntryReasksOutOfRangeAnswersAndCancelReturnsToRealTime) {
    form.Form_Load();
    Answer({"13", "4", "31", "30", "1979", "2199"});
    form.DateButton_Click();
    EXPECT_EQ(form.Date.caption, "04-30-2199");
    EXPECT_EQ(dialogs.prompts[1].prompt, dialogs.prompts[0].prompt);  // 13 asked again

    // Cancel on the first box: back to the computer's clock at once.
    dialogs.prompts.clear();
    form.DateButton_Click();
    EXPECT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_TRUE(state.clock.realTime && !form.RealTime.visible);
    EXPECT_EQ(form.Date.caption, "12-06-2026");

    state.clock.realTime = false;
    state.clock.year = 2023;
    Answer({"2", "29"});  // then Cancel on the year: 2023 has no 29 February
    form.DateButton_Click();
    EXPECT_EQ(form.Date.caption, "02-28-2023");
}

TEST_F(Form1Test, TimeEntryMovesACatalogObjectWithTheEpoch) {
    form.Form_Load();
    form.Form_KeyPress('0');  // the Sun, then a catalog-like position
    CalcTime(state.clock, state.site);
    SelectPosition(state, 5.588, -5.39, 2000.0);
    Answer({"30", "23", "5", "61", "59"});
    form.TimeButton_Click();
    EXPECT_EQ(dialogs.prompts[1].title + "|" + dialogs.prompts[2].title + "|" + dialogs.prompts[4].title,
              "Input Hour|Input Minutes|Input Seconds");
    EXPECT_EQ(form.Time.caption, "23:05:59  EST");
    EXPECT_FALSE(state.clock.realTime);
    EXPECT_EQ(form.RightAsc.caption, " 2027 R.A. =  5h 36.61m");
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
    EXPECT_EQ(state.site.lonSign, -1);
    EXPECT_NEAR(state.site.longitude * 57.29577957855229, -0.5, 1e-12);
    EXPECT_EQ(form.Longitude.caption, " 0\xB0 30.0'  E");

    form.LatitudeButton_Click();
    EXPECT_FALSE(ok("90", "0"));
    EXPECT_EQ(dialogs.messages.back().text, "Degrees of latitude must be between 0 and 89");
    EXPECT_FALSE(ok("5", "-1"));
    EXPECT_EQ(dialogs.messages.back().text, "Minutes of latitude must be between 0 and 59.999, decimals OK");
    EXPECT_FALSE(ok("5", "1"));
    EXPECT_EQ(dialogs.messages.back().text, "Select 'North' or 'South'");
}

TEST_F(Form1Test, NamesGoToTheClipboardOnlyForCatalogObjects) {
    form.Form_Load();
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
    EXPECT_TRUE(sun.present == 1 && !state.riseSetValid);
    EXPECT_EQ(
        Name1Text(sun, false) + "|" + MagnitudeText(sun) + "|" + Name2Text(sun) + "|" + Name3Text(sun) + "|" +
            Name4Text(sun) + "|" + Name5Text(sun),
        "Name = Sun         ||Distance= 0.985 AU|Elongation= 0|Constellation= Ophiuchus   |Size= 32.5'");

    // The distance is the Earth's radius vector of the 1975 theory, not the J2000 one.
    CurrentObject check = sun;
    EXPECT_DOUBLE_EQ(sun.distanceAU, CalcElongation(check, state.clock));
    CalcPlanet(check, state.clock, state.site.latitude, 2027.0);
    EXPECT_NE(sun.distanceAU, check.distanceAU);
    EXPECT_NEAR(sun.distanceAU, check.distanceAU, 1e-4);

    EXPECT_FALSE(SelectBody(state, 10));
    EXPECT_FALSE(SelectBody(state, -1));
    EXPECT_EQ(state.object.planetIndex, kSun);

    ASSERT_TRUE(SelectBody(state, kPluto));
    EXPECT_EQ(Name1Text(state.object, false), "Name = Pluto (dwarf)");
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
    EXPECT_TRUE(Matches(form.TransitTime.caption, "NextTransit = 04:5\\d \\+  6\\d\\.\\d\xB0"))
        << form.TransitTime.caption;
    EXPECT_TRUE(Matches(form.SetTime.caption, "Last Set = 11:\\d\\d  ")) << form.SetTime.caption;
    EXPECT_EQ(form.name3label.caption, "Elongation= 108\xB0 Morning");
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
