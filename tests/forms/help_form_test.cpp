// The help window: its glossary, the documents beside the program and the link to the guide.
#include "forms/help_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalog_fixture.h"
#include "forms/form1.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
#include "support/scoped_env.h"

namespace talvo {
namespace {

class HelpFormTest : public ::testing::Test {
protected:
    HelpFormTest() { state.appDir = dir.path(); }

    void Touch(const std::string& name) { testing::WriteFile(dir.File(name), "<html></html>\n"); }

    // The explanation shown for a topic.
    std::string TextOf(const std::string& topic) {
        for (std::size_t row = 0; row < form.List1.items.size(); ++row) {
            if (form.List1.items[row] == topic) form.List1_Click(static_cast<int>(row));
        }
        return form.Text1.caption;
    }

    testing::TempDir dir;
    SessionState state;
    testing::ScriptedDialogs dialogs;
    HelpForm form{state, dialogs};
};

// 55 topics after a blank row, each with its own text in plain ASCII but for the degree sign.
TEST_F(HelpFormTest, TopicsFollowTheBlankRowEachWithItsOwnText) {
    form.Form_Load();
    ASSERT_EQ(form.List1.items.size(), 56u);
    EXPECT_EQ(form.List1.items[0] + "|" + form.Text1.caption, "|Make a Selection");
    std::set<std::string> texts;
    for (int row = 1; row <= 55; ++row) {
        form.List1_Click(row);
        const std::string& text = form.Text1.caption;
        for (char c : text)
            EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80 || c == '\xB0') << form.List1.items[row];
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 55u);
    form.List1_Click(56);
    form.List1_Click(-1);
    EXPECT_EQ(form.List1.listIndex, 55);  // rows past either end are not clicks
}

// A button's topic is true of this version: it says the function comes in a later version
// exactly when pressing the button says that the function is not available yet.
TEST_F(HelpFormTest, ButtonTopicsSayWhetherTheFunctionIsThereYet) {
    const testing::FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    const platform::FixedTimeZone zone{5.0};
    state.catalogFolder = dir.path();  // no default catalog here: Best of the Sky reports it
    Form1 main{state, clock, zone, dialogs};
    main.Form_Load();
    // No sky-chart program here, whatever the computer has installed.
    const testing::ScopedEnv noSkyChart("TALVO_SKYCHART_DIR", dir.path());
    const testing::ScopedEnv path("PATH", dir.path());
    // Every command key with a topic of its own; "a Get Comet / Asteroid" serves four topics.
    const std::pair<char, const char*> buttons[] = {{'V', "Save (button)"},
                                                    {'L', "Load (button)"},
                                                    {'M', "Save Matches (button)"},
                                                    {'B', "Best of the Sky (button)"},
                                                    {'G', "GOTO (button)"},
                                                    {'X', "GOTO Scope Type"},
                                                    {'S', "SkyChart"},
                                                    {'O', "Observing Log"},
                                                    {'W', "Catalog Search (Wizard)"},
                                                    {'A', "Comets"},
                                                    {'A', "Asteroids"},
                                                    {'A', "Near-Earth Object"},
                                                    {'A', "Transient Catalog"},
                                                    {'/', "Catalog Search (Simple)"},
                                                    {'N', "Next Match (button)"},
                                                    {'P', "Previous Match (button)"},
                                                    {'C', "Catalog"},
                                                    {'D', "Date"},
                                                    {'T', "Time"},
                                                    {'@', "Latitude"},
                                                    {'#', "Longitude"},
                                                    {'3', "Planet (scroll)"}};
    for (const auto& [key, topic] : buttons) {
        dialogs.messages.clear();
        // The GoTo and sky-chart keys work while their buttons do (a telescope, an object).
        main.GotoButton.enabled = main.SkyChart.enabled = true;
        main.Form_KeyPress(key);
        const bool notYet = dialogs.MessageTexts().find("not available yet") != std::string::npos;
        const std::vector<std::string>& topics = form.List1.items;
        ASSERT_NE(std::find(topics.begin(), topics.end(), topic), topics.end()) << topic;
        const std::string text = TextOf(topic);
        EXPECT_EQ(text.find("later version") != std::string::npos, notYet) << topic;
    }
    // The Night Vision box and the title have no key: clicked, they do their work.
    dialogs.messages.clear();
    main.Check1_Click();
    main.Check1_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "");
    EXPECT_EQ(TextOf("Night Vision").find("later version"), std::string::npos);
    dialogs.messageAnswers = {MessageAnswer::Cancel};
    main.Label1_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Change Background Color to White?");
    EXPECT_EQ(TextOf("Color").find("later version"), std::string::npos);
}

// The documents beside the program, whatever the case of ".htm" or ".html"; one is opened by its
// full path.
TEST_F(HelpFormTest, ListsHtmlDocumentsWhateverTheirCaseAndOpensThemByFullPath) {
    for (const char* name : {"Scripting.HTM", "notes.Htm", "Extra.HTML", "readme.txt", "FULL.TLV"})
        Touch(name);
    std::filesystem::create_directory(dir.File("old.htm"));
    form.Form_Load();
    EXPECT_EQ(form.File1.items, (std::vector<std::string>{"Extra.HTML", "Scripting.HTM", "notes.Htm"}));
    form.File1_Click(2);
    form.File1_Click(3);  // past the end: nothing
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{state.appDir + "notes.Htm"});
}

// The link names the file beside the program that it opens, and the line above it says where the
// guide lies, not that it is on-line.
TEST_F(HelpFormTest, GuideLinkOpensTheInstalledGuideOrSaysItCannot) {
    form.Form_Load();
    form.Label1_Click();  // not installed
    EXPECT_EQ(dialogs.MessageTexts(), "Cannot Open File TALVO-Guide.html");
    Touch(HelpForm::kGuideFileName);
    form.Label1_Click();
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{state.appDir + form.Label1.caption});
    EXPECT_EQ(form.Label1.caption, "TALVO-Guide.html");
    EXPECT_EQ(form.Label3.caption.find("on-line"), std::string::npos);
    EXPECT_NE(form.Label3.caption.find("installed with the program"), std::string::npos);
    dialogs.openSucceeds = false;  // no desktop opener
    form.Label1_Click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(HelpFormTest, TheGuideLiesBesideTheProgram) {
    const char* binDir = std::getenv("TALVO_BIN_DIR");
    if (binDir == nullptr) GTEST_SKIP() << "run through ctest, which names the program directory";
    state.appDir = std::string(binDir) + "/";
    form.Form_Load();
    const std::vector<std::string>& files = form.File1.items;
    EXPECT_NE(std::find(files.begin(), files.end(), HelpForm::kGuideFileName), files.end());
}

}  // namespace
}  // namespace talvo
