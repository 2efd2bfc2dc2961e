// The main window's colours: night vision on and off, and the colour scheme chosen by clicking
// the title.
#include <gtest/gtest.h>

#include "forms/night_vision.h"
#include "support/main_window_fixture.h"

namespace talvo {
namespace {

class ColoursTest : public testing::MainWindowTest {
protected:
    ColoursTest() { form.Form_Load(); }
};

TEST_F(ColoursTest, NightVisionKeepsTheDayColoursAndGivesThemBack) {
    state.textColor = 0x00C0FF;  // a day text colour of the observer's own
    state.highlightColor = kRed;
    form.Form_Load();

    form.Check1_Click();
    EXPECT_TRUE(state.nightVision);
    EXPECT_TRUE(form.Check1.value);
    EXPECT_EQ(form.Check1.toolTip, "Click to return the screen to normal colors");
    EXPECT_EQ(state.backColor, 128u);
    EXPECT_EQ(state.highlightColor, 128u);
    EXPECT_EQ(state.textColor, kNightColours.windowText);
    EXPECT_EQ(form.backColor, 128u);  // the window is drawn in them at once
    EXPECT_EQ(form.Time.backColor, 128u);
    EXPECT_TRUE(form.Check1.visible);

    form.Check1_Click();
    EXPECT_FALSE(state.nightVision);
    EXPECT_FALSE(form.Check1.value);
    EXPECT_EQ(form.Check1.toolTip, "Click to darken the screen for night vision");
    EXPECT_EQ(state.backColor, kDarkRed);
    EXPECT_EQ(state.textColor, 0x00C0FFu);
    EXPECT_EQ(state.highlightColor, kRed);
    EXPECT_EQ(form.Time.foreColor, 0x00C0FFu);
    EXPECT_FALSE(state.configDirty);  // a passing state of the screen, not an option
}

TEST_F(ColoursTest, TheTitleAsksAndSwitchesBetweenRedAndWhite) {
    dialogs.messageAnswers = {MessageAnswer::Cancel};
    form.Label1_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Change Background Color to White?");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(state.backColor, kDarkRed);
    EXPECT_FALSE(state.configDirty);

    dialogs.messageAnswers = {MessageAnswer::Ok};
    form.Label1_Click();
    EXPECT_EQ(state.backColor, kWhite);
    EXPECT_EQ(state.textColor, 64u);
    EXPECT_EQ(state.highlightColor, kWhite);
    EXPECT_FALSE(form.Check1.visible);  // no night vision from the white scheme
    EXPECT_EQ(form.Label1.backColor, kWhite);
    EXPECT_TRUE(state.configDirty);

    state.configDirty = false;
    dialogs.messageAnswers = {MessageAnswer::Ok};
    form.Label1_Click();
    EXPECT_EQ(dialogs.messages.back().text, "Change Background Color to Red?");
    EXPECT_EQ(state.backColor, kDarkRed);
    EXPECT_EQ(state.textColor, kYellow);
    EXPECT_EQ(state.highlightColor, kRed);
    EXPECT_TRUE(form.Check1.visible);
    EXPECT_TRUE(state.configDirty);
}

TEST_F(ColoursTest, NoSchemeChangeDuringNightVision) {
    form.Check1_Click();
    const SessionState before = state;
    form.Label1_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Color Change Not Allowed when Night Vision Set");
    EXPECT_EQ(state.backColor, before.backColor);
    EXPECT_EQ(state.dayBackColor, kDarkRed);
    EXPECT_FALSE(state.configDirty);
    form.Check1_Click();
    EXPECT_EQ(state.backColor, kDarkRed);
}

}  // namespace
}  // namespace talvo
