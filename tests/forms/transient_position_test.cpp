// The main window over a transient catalog: the texts of a comet's position, the line followed
// as the clock runs (every 10 minutes, every 10 seconds for a near-Earth object), the date and
// time commands, and a catalog without a line for the moment, obsolete or not.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/catalog_fixture.h"
#include "engine/solar_system.h"
#include "support/main_window_fixture.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::CatalogLine;

// The window's clock stands at 2026-12-06 21:30:00, five hours west of UTC: 02:30 UTC on the 7th.
class TransientWindow : public testing::MainWindowTest {
protected:
    TransientWindow() {
        state.appDir = dir.path();
        state.transientDir = dir.path();
    }

    static std::string Line(const std::string& moment, double ra, char flag = 'T') {
        return CatalogLine({moment, "C/2026 A1", "", "", "Comet"}, ra, 20.0, 9.5, 2000, flag);
    }
    void Write(const std::string& file, const std::vector<std::string>& lines) {
        testing::WriteCatalog(dir.File(file), lines);
    }
    bool Choose(const std::string& file) {
        form.Form_Load();
        const bool found = form.searches.ChooseCatalog(file, dir.path());
        form.Redisplay();
        return found;
    }
    // Name 1 as the window shows it.
    std::string Ut() const { return form.Name1.caption; }

    testing::ScratchDir dir;
};

TEST_F(TransientWindow, ShowsTheCometOfTheHour) {
    Write("C-2026 A1.tlv", {Line("1207 02 2026", 1.0), Line("1207 03 2026", 1.5), Line("1207 04 2026", 2.0)});
    ASSERT_TRUE(Choose("C-2026 A1.tlv"));
    EXPECT_EQ(Ut(), "UT = 1207 03 2026");
    EXPECT_EQ(form.Name2label.caption, "Object = C/2026 A1   ");
    EXPECT_EQ(form.Name5Label.caption, "Object Type = Comet       ");
    EXPECT_EQ(form.name3label.caption, "Elongation=  133\xB0");  // the Sun: 16h 55m, -22.6 degrees
    EXPECT_EQ(form.name3label.toolTip,
              "The asteroid or comet's angular distance from the sun (not necessarily along ecliptic)");
    EXPECT_EQ(form.RightAsc.caption.substr(0, 19), " 2027 R.A. =  1h 31");  // 1h 30m of 2000
    EXPECT_EQ(state.object.planetIndex, kTransientComet);
    EXPECT_EQ(form.SimpleSearch.caption, "Transient Object");
    EXPECT_FALSE(form.SimpleSearch.enabled || form.DetailedSearch.enabled);
    EXPECT_FALSE(form.AddObject.visible || form.NextMatchButton.visible);
    EXPECT_EQ(
        form.General.caption,
        "This Transient Catalog contains the positions of a single object (comet or asteroid) at various "
        "times. It cannot be searched. To enable searches, change catalogs.");
    EXPECT_TRUE(dialogs.messages.empty());

    // A designation longer than a name field is read from the file name.
    Write("C-2026 A1 (LONGNAME).tlv", {Line("1207 03 2026", 1.5)});
    ASSERT_TRUE(Choose("C-2026 A1 (LONGNAME).tlv"));
    EXPECT_EQ(form.Name2label.caption, "Object = c-2026 a1 (longname)");

    // "/" chooses the position again instead of asking for a name.
    form.Form_KeyPress('/');
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(Ut(), "UT = 1207 03 2026");
}

TEST_F(TransientWindow, HourlyPositionIsLookedUpAgainEveryTenMinutes) {
    Write("c.tlv", {Line("1207 03 2026", 1.5), Line("1207 04 2026", 2.0)});
    ASSERT_TRUE(Choose("c.tlv"));
    // The file changes under the window: only a new look-up shows the new position.
    Write("c.tlv", {Line("1207 03 2026", 7.5), Line("1207 04 2026", 8.0)});
    clock.Set({2026, 12, 6, 21, 31, 0});
    form.Timer1_Timer();
    clock.Set({2026, 12, 6, 21, 39, 59});
    form.Timer1_Timer();
    EXPECT_EQ(state.object.raHours, 1);
    clock.Set({2026, 12, 6, 21, 40, 0});
    form.Timer1_Timer();
    EXPECT_EQ(state.object.raHours, 7);
    clock.Set({2026, 12, 6, 22, 0, 0});
    form.Timer1_Timer();
    EXPECT_EQ(Ut(), "UT = 1207 03 2026");
    clock.Set({2026, 12, 6, 22, 30, 0});
    form.Timer1_Timer();
    EXPECT_EQ(Ut(), "UT = 1207 04 2026");
    EXPECT_EQ(state.object.raHours, 8);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TransientWindow, NearEarthPositionIsLookedUpAgainEveryTenSeconds) {
    Write("neo.tlv", {Line("120702302026", 1.5, 't'), Line("120702312026", 1.6, 't')});
    ASSERT_TRUE(Choose("neo.tlv"));
    EXPECT_EQ(Ut(), "UT = 120702302026");
    EXPECT_TRUE(state.object.nearEarthObject);
    Write("neo.tlv", {Line("120702302026", 3.5, 't'), Line("120702312026", 4.5, 't')});
    clock.Set({2026, 12, 6, 21, 30, 5});
    form.Timer1_Timer();
    clock.Set({2026, 12, 6, 21, 30, 9});
    form.Timer1_Timer();
    EXPECT_EQ(state.object.raHours, 1);
    clock.Set({2026, 12, 6, 21, 30, 10});
    form.Timer1_Timer();
    EXPECT_EQ(state.object.raHours, 3);
    clock.Set({2026, 12, 6, 21, 30, 30});  // the nearest minute is 02:31
    form.Timer1_Timer();
    EXPECT_EQ(Ut(), "UT = 120702312026");
}

TEST_F(TransientWindow, ASetDateOrTimeMovesToTheLineOfThatHour) {
    Write("c.tlv", {Line("1207 03 2026", 1.5), Line("1207 05 2026", 2.5), Line("1208 03 2026", 3.5)});
    ASSERT_TRUE(Choose("c.tlv"));
    Answer({"12", "7", "2026"});  // month, day, year
    form.DateButton_Click();
    EXPECT_EQ(Ut(), "UT = 1208 03 2026");
    Answer({"23", "45", "0"});  // hour, minute, second: 04:45 UTC is nearest 05 h
    form.TimeButton_Click();
    EXPECT_EQ(dialogs.MessageTexts(),
              "The Transient Catalog c.tlv contains no positions for the time set in TALVO.\n\r"
              "Either change the time, or change catalogs.");
    EXPECT_EQ(state.object.present, 0);
    // Back to the day before: 04:45 UTC on the 7th has its line.
    Answer({"12", "6", "2026"});
    form.DateButton_Click();
    EXPECT_EQ(Ut(), "UT = 1207 05 2026");
    EXPECT_NE(state.object.present, 0);
    // Cancel on the date: real time, and the line of the present hour.
    form.DateButton_Click();
    EXPECT_EQ(Ut(), "UT = 1207 03 2026");
}

TEST_F(TransientWindow, AnObsoleteCatalogIsOfferedForDeletion) {
    Write("old.tlv", {Line("1206 00 2025", 1.0), Line("1206 01 2025", 1.0)});
    dialogs.messageAnswers = {MessageAnswer::No};
    EXPECT_FALSE(Choose("old.tlv"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "This transient catalog appears to be obsolete.\n\rDelete " + dir.path() + "old.tlv?");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(std::filesystem::exists(dir.File("old.tlv")));

    dialogs.messageAnswers = {MessageAnswer::Yes};
    EXPECT_EQ(form.searches.ChooseTransientPosition(), TransientChoice::Deleted);
    EXPECT_FALSE(std::filesystem::exists(dir.File("old.tlv")));
    EXPECT_EQ(dialogs.messages.size(), 2u);  // the question only, no "no positions" message
}

TEST_F(TransientWindow, ASetMomentNeverDeletesACatalog) {
    Write("old.tlv", {Line("1206 00 2025", 1.0)});
    state.clock.realTime = false;  // the window's clock stands at the moment set
    state.clock.SetMoment({2026, 12, 6, 21, 30, 0});
    EXPECT_FALSE(Choose("old.tlv"));
    EXPECT_EQ(dialogs.MessageTexts(),
              "The Transient Catalog old.tlv contains no positions for the time set in TALVO.\n\r"
              "Either change the time, or change catalogs.");
    EXPECT_TRUE(std::filesystem::exists(dir.File("old.tlv")));

    // A catalog of this year without the hour is reported in real time too, and kept.
    Write("now.tlv", {Line("0101 00 2026", 1.0)});
    form.GetReal();
    dialogs.messages.clear();
    EXPECT_FALSE(Choose("now.tlv"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir.File("now.tlv")));
    // The window does not ask again on every tick.
    clock.Set({2026, 12, 6, 21, 40, 0});
    form.Timer1_Timer();
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace talvo
