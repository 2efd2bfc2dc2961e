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

namespace talvo {
namespace {

// The topics in their rows after the blank one, separated by "|".
const std::string kTopics =
    "Add (button)|Altitude|A.U.|Asteroids|Auxiliary Catalogs|Azimuth|Best of the Sky (button)|"
    "Catalog|Catalog Search (Simple)|Catalog Search (Wizard)|Clipboard|Color|COM port|Comets|"
    "Date|Daylight Savings Time|Distance|Elongation|Epoch of Object's Position|"
    "Geocentric Positions|GOTO (button)|GOTO Scope Type|GPS Device|GPS Telescope|"
    "IC (Index Catalog) Object|Latitude|Load (button)|Longitude|Magnitude|"
    "Magnitude Limit (default)|Messier Object|Near-Earth Object|Next Match (button)|Night Vision|"
    "NGC Object|Observing Log|Planet (scroll)|Precession|Previous Match (button)|"
    "Real-Time Operation|Refraction (atmospheric)|Save (button)|Save Matches (button)|Scripts|"
    "Sidereal Time|Size|SkyChart|Star Names|Time|Time Zone|Topocentric position|"
    "Transient Catalog|Transit|UTC (GMT)|Wild Card Character";

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

TEST_F(HelpFormTest, TopicsFollowTheBlankRowEachWithItsOwnText) {
    form.Form_Load();
    EXPECT_TRUE(form.visible);
    ASSERT_EQ(form.List1.items.size(), 56u);
    EXPECT_EQ(form.List1.items[0], "");
    std::string topics;
    for (std::size_t row = 1; row < form.List1.items.size(); ++row) {
        topics += (row > 1 ? "|" : "") + form.List1.items[row];
    }
    EXPECT_EQ(topics, kTopics);
    EXPECT_EQ(form.List1.listIndex, 0);
    EXPECT_EQ(form.Text1.caption, "Make a Selection");

    std::set<std::string> texts;
    for (int row = 1; row <= 55; ++row) {
        form.List1_Click(row);
        EXPECT_EQ(form.List1.listIndex, row);
        const std::string& text = form.Text1.caption;
        EXPECT_GT(text.size(), 80u) << form.List1.items[row];
        // Windows-1252: the degree sign is the only character outside ASCII.
        for (char c : text)
            EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80 || c == '\xB0') << form.List1.items[row];
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 55u);

    form.List1_Click(56);
    form.List1_Click(-1);
    EXPECT_EQ(form.List1.listIndex, 55);  // rows past either end are not clicks
    form.List1_Click(0);
    EXPECT_EQ(form.Text1.caption, "Make a Selection");
}

TEST_F(HelpFormTest, TextsExplainTheirOwnTopic) {
    EXPECT_EQ(
        TextOf("Scripts"),
        "TALVO can process command-line scripts, making possible the automatation of repetitive tasks, or "
        "pre-programmed operations. See the document 'ScriptingTALVO', available on the website");
    const std::pair<const char*, const char*> phrases[] = {{"Near-Earth Object", "0.10 AU"},
                                                           {"Longitude", "west longitudes as positive"},
                                                           {"Time Zone", "west positive"},
                                                           {"Wild Card Character", "blank typed at the end"},
                                                           {"Azimuth", "north (0\xB0)"}};
    for (const auto& [topic, phrase] : phrases)
        EXPECT_NE(TextOf(topic).find(phrase), std::string::npos) << topic;
}

// A button's topic is true of this version: it says the function comes in a later version
// exactly when pressing the button says that the function is not available yet.
TEST_F(HelpFormTest, ButtonTopicsSayWhetherTheFunctionIsThereYet) {
    const testing::FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    const platform::FixedTimeZone zone{5.0};
    state.catalogFolder = dir.path();  // no default catalog here: Best of the Sky reports it
    Form1 main{state, clock, zone, dialogs};
    main.Form_Load();
    const std::pair<char, const char*> buttons[] = {{'V', "Save (button)"},
                                                    {'L', "Load (button)"},
                                                    {'M', "Save Matches (button)"},
                                                    {'B', "Best of the Sky (button)"}};
    for (const auto& [key, topic] : buttons) {
        dialogs.messages.clear();
        main.Form_KeyPress(key);
        const bool notYet = dialogs.MessageTexts().find("not available yet") != std::string::npos;
        EXPECT_EQ(TextOf(topic).find("later version") != std::string::npos, notYet) << topic;
    }
}

TEST_F(HelpFormTest, WindowTakesTheSessionsColours) {
    state.backColor = kWhite;
    state.textColor = 64;
    form.Form_Load();
    EXPECT_EQ(form.backColor, kWhite);
    for (const Control* label : {&form.Label1, &form.Label2, &form.Label3}) {
        EXPECT_TRUE(label->foreColor == 64u && label->backColor == kWhite);
    }
}

TEST_F(HelpFormTest, ListsHtmlDocumentsWhateverTheirCaseAndOpensThemByFullPath) {
    for (const char* name : {"TALVO-Guide.html", "Scripting.HTM", "notes.Htm", "readme.txt", "FULL.TLV"})
        Touch(name);
    std::filesystem::create_directory(dir.File("old.htm"));
    form.Form_Load();
    EXPECT_EQ(form.File1.items, (std::vector<std::string>{"Scripting.HTM", "TALVO-Guide.html", "notes.Htm"}));

    form.File1_Click(2);
    form.File1_Click(3);  // past the end: nothing
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{state.appDir + "notes.Htm"});
    EXPECT_TRUE(dialogs.messages.empty());

    // The list is read again each time the window opens.
    std::filesystem::remove(dir.File("notes.Htm"));
    Touch("Extra.HTML");
    form.Form_Load();
    EXPECT_EQ(form.File1.items,
              (std::vector<std::string>{"Extra.HTML", "Scripting.HTM", "TALVO-Guide.html"}));
}

TEST_F(HelpFormTest, GuideLinkOpensTheInstalledGuideOrSaysItCannot) {
    form.Form_Load();
    form.Label1_Click();  // not installed
    EXPECT_TRUE(dialogs.openedDocuments.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Cannot Open File TALVO-Guide.html");

    Touch(HelpForm::kGuideFileName);
    form.Label1_Click();
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{state.appDir + "TALVO-Guide.html"});
    EXPECT_EQ(dialogs.messages.size(), 1u);
    // The link names the file beside the program that it opens, and the line above it says where
    // the guide lies, not that it is on-line.
    EXPECT_EQ(state.appDir + form.Label1.caption, dialogs.openedDocuments[0]);
    EXPECT_EQ(form.Label3.caption.find("on-line"), std::string::npos);
    EXPECT_NE(form.Label3.caption.find("beside the program"), std::string::npos);

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
