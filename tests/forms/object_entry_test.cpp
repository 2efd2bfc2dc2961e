// The object entry window as an observer uses it: a position typed as RA and Dec or as Alt and
// Az, the names and magnitude that follow, and the answers that abandon or are asked again.
#include "forms/object_entry.h"

#include <gtest/gtest.h>

#include "engine/coordinates.h"
#include "engine/time_scales.h"
#include "session/body_selection.h"
#include "support/main_window_fixture.h"

namespace talvo {
namespace {

class ObjectEntryTest : public testing::MainWindowTest {
protected:
    ObjectEntryTest() { form.Form_Load(); }

    // Opens the window, chooses option 1, 2 or 3, names the object and presses OK.
    bool Enter(int option, const std::string& name1, const std::string& name2 = "") {
        form.ObjectButton_Click();
        DataEntry& entry = form.dataEntry;
        entry.option1Checked = option == 1;
        entry.option2Checked = option == 2;
        entry.option3Checked = option == 3;
        entry.Text1.caption = name1;
        entry.Text2.caption = name2;
        return entry.OK_Click();
    }
};

TEST_F(ObjectEntryTest, RightAscensionAndDeclinationBecomeTheCurrentObject) {
    // Out-of-range and mistyped answers are asked again; "-0" keeps a southern half degree.
    Answer({"24", "5", "34,5", "abc", "-0", "30", "2000", "Orion Nebula and more", "", "", "4"});
    EXPECT_TRUE(Enter(1, "My Nebula Number One", "second"));
    EXPECT_FALSE(form.dataEntry.visible);
    const CurrentObject& object = state.object;
    EXPECT_EQ(object.present, 1);
    EXPECT_EQ(object.planetIndex, -1);
    EXPECT_EQ(object.name1, "My Nebula Nu");
    EXPECT_EQ(object.name2, "second");
    EXPECT_EQ(object.name3, "Orion Nebula");
    EXPECT_EQ(object.magnitudeText, "4");
    EXPECT_TRUE(object.notInCatalog);
    // 2000.0 precessed to the epoch of date: a little east and, at -0.5 degrees, still south.
    EXPECT_EQ(object.raHours, 5);
    EXPECT_NEAR(object.raMinutes, 34.5 + 1.4, 0.2);
    EXPECT_EQ(object.decDegrees, 0);
    EXPECT_EQ(object.decSign, -1);
    ASSERT_EQ(dialogs.prompts.size(), 11u);
    EXPECT_EQ(dialogs.prompts[0].prompt, "Enter Hours of Right Ascension of object (0 to 23 )");
    EXPECT_EQ(dialogs.prompts[1].prompt, dialogs.prompts[0].prompt);  // 24 hours asked again
}

TEST_F(ObjectEntryTest, AnEmptyAnswerAbandonsAndLeavesThePreviousObject) {
    static_cast<void>(SelectBody(state, 4));  // Mars
    Answer({"5", "34.5", ""});
    EXPECT_TRUE(Enter(1, "Nebula"));
    EXPECT_EQ(state.object.planetIndex, 4);
    EXPECT_EQ(dialogs.prompts.back().title, "Degrees of Declination");
    EXPECT_FALSE(form.dataEntry.visible);
}

TEST_F(ObjectEntryTest, AltitudeAndAzimuthGiveThePointOfTheSkyThere) {
    Answer({"45", "0", "180", "0", "", "", "", ""});
    EXPECT_TRUE(Enter(2, "South45"));
    EXPECT_EQ(state.object.magnitudeText, "99");  // none given
    // Due south at 45 degrees: on the meridian, declination = latitude - 45 (less refraction).
    CalcTime(state.clock, state.site);
    EXPECT_NEAR(DeclinationDegrees(state.object), 40.5 - 45.0 - 1.0 / 60.0, 0.1);
    const float altitude = CalcAltAz(state.object, state.site.latitude, state.clock.localSiderealTime);
    EXPECT_NEAR(altitude, 45.0, 0.05);
    EXPECT_NEAR(state.object.azimuth + state.object.azimuthMinutes / 60.0, 180.0, 0.1);
}

TEST_F(ObjectEntryTest, MissingChoiceOrNameKeepsTheWindowOpen) {
    EXPECT_FALSE(Enter(0, "Name"));
    EXPECT_FALSE(Enter(1, "   "));
    EXPECT_EQ(dialogs.MessageTexts(),
              "Choose one of the Options for getting Object Data|The Object must have at least one name!");
    EXPECT_TRUE(form.dataEntry.visible);
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(ObjectEntryTest, LoadingFromTheTelescopeNeedsRealTimeAndATelescope) {
    state.clock.realTime = false;
    EXPECT_TRUE(Enter(3, "Scope"));
    state.clock.realTime = true;
    EXPECT_TRUE(Enter(3, "Scope"));  // no GoTo telescope chosen
    state.scope.scopeType = 4;
    EXPECT_TRUE(Enter(3, "Scope"));  // no port chosen
    EXPECT_EQ(dialogs.MessageTexts(),
              "Must be in Real-Time Mode for Scope Load|"
              "Load Position from Scope needs a NexStar-family (type 1) or LX200-family (type 4) telescope. "
              "Click 'Scope' Button and make selection!|"
              "No Com Port selected - Click 'Scope' Button and make selection!");
    EXPECT_FALSE(form.dataEntry.OK.enabled);
    EXPECT_EQ(state.object.present, 0);
}

TEST(NumberAnswer, PlainDecimalsWithPointOrCommaOnly) {
    EXPECT_EQ(NumberAnswer(" 34.5 "), 34.5);
    EXPECT_EQ(NumberAnswer("34,5"), 34.5);
    EXPECT_EQ(NumberAnswer("-0"), 0.0);
    for (const char* text : {"", " ", "abc", "12abc", "0x1A", "1e3", "inf", "nan", "1.2.3"}) {
        EXPECT_FALSE(NumberAnswer(text)) << text;
    }
}

}  // namespace
}  // namespace talvo
