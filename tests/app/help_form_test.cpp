// The help window: its glossary, the documents beside the program and the link to the guide.
#include "app/help_form.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kTopics = {"Add (button)",
                                          "Altitude",
                                          "A.U.",
                                          "Asteroids",
                                          "Auxiliary Catalogs",
                                          "Azimuth",
                                          "Best of the Sky (button)",
                                          "Catalog",
                                          "Catalog Search (Simple)",
                                          "Catalog Search (Wizard)",
                                          "Clipboard",
                                          "Color",
                                          "COM port",
                                          "Comets",
                                          "Date",
                                          "Daylight Savings Time",
                                          "Distance",
                                          "Elongation",
                                          "Epoch of Object's Position",
                                          "Geocentric Positions",
                                          "GOTO (button)",
                                          "GOTO Scope Type",
                                          "GPS Device",
                                          "GPS Telescope",
                                          "IC (Index Catalog) Object",
                                          "Latitude",
                                          "Load (button)",
                                          "Longitude",
                                          "Magnitude",
                                          "Magnitude Limit (default)",
                                          "Messier Object",
                                          "Near-Earth Object",
                                          "Next Match (button)",
                                          "Night Vision",
                                          "NGC Object",
                                          "Observing Log",
                                          "Planet (scroll)",
                                          "Precession",
                                          "Previous Match (button)",
                                          "Real-Time Operation",
                                          "Refraction (atmospheric)",
                                          "Save (button)",
                                          "Save Matches (button)",
                                          "Scripts",
                                          "Sidereal Time",
                                          "Size",
                                          "SkyChart",
                                          "Star Names",
                                          "Time",
                                          "Time Zone",
                                          "Topocentric position",
                                          "Transient Catalog",
                                          "Transit",
                                          "UTC (GMT)",
                                          "Wild Card Character"};

class HelpFormTest : public ::testing::Test {
protected:
    HelpFormTest() {
        fs::remove_all(dir);
        fs::create_directories(dir);
        state.appDir = dir.string() + "/";
    }
    ~HelpFormTest() override { fs::remove_all(dir); }

    void Touch(const std::string& name) { std::ofstream(dir / name) << "<html></html>\n"; }

    // The explanation shown for a topic.
    std::string TextOf(const std::string& topic) {
        for (std::size_t row = 0; row < form.List1.items.size(); ++row) {
            if (form.List1.items[row] == topic) form.List1_Click(static_cast<int>(row));
        }
        return form.Text1.caption;
    }

    fs::path dir = fs::temp_directory_path() / ("talvo-help-" + std::to_string(::getpid()));
    SessionState state;
    testing::ScriptedDialogs dialogs;
    HelpForm form{state, dialogs};
};

TEST_F(HelpFormTest, TopicsFollowTheBlankRowEachWithItsOwnText) {
    form.Form_Load();
    EXPECT_TRUE(form.visible);
    ASSERT_EQ(form.List1.items.size(), 56u);
    EXPECT_EQ(form.List1.items[0], "");
    EXPECT_EQ(std::vector<std::string>(form.List1.items.begin() + 1, form.List1.items.end()), kTopics);
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

    form.List1_Click(0);
    EXPECT_EQ(form.Text1.caption, "Make a Selection");
    form.List1_Click(56);
    form.List1_Click(-1);
    EXPECT_EQ(form.Text1.caption, "Make a Selection");
    EXPECT_EQ(form.List1.listIndex, 0);
}

TEST_F(HelpFormTest, TextsExplainTheirOwnTopic) {
    EXPECT_EQ(
        TextOf("Scripts"),
        "TALVO can process command-line scripts, making possible the automatation of repetitive tasks, or "
        "pre-programmed operations. See the document 'ScriptingTALVO', available on the website");
    EXPECT_NE(TextOf("Near-Earth Object").find("0.10 AU"), std::string::npos);
    EXPECT_NE(TextOf("Near-Earth Object").find("24 hours"), std::string::npos);
    EXPECT_NE(TextOf("Magnitude Limit (default)").find("telescope size and the sky conditions"),
              std::string::npos);
    EXPECT_NE(TextOf("Real-Time Operation").find("computer's clock"), std::string::npos);
    EXPECT_NE(TextOf("Longitude").find("west longitudes as positive"), std::string::npos);
    EXPECT_NE(TextOf("Time Zone").find("west positive"), std::string::npos);
    EXPECT_NE(TextOf("Wild Card Character").find("\"*\""), std::string::npos);
    EXPECT_NE(TextOf("Wild Card Character").find("blank typed at the end"), std::string::npos);
    EXPECT_NE(TextOf("Azimuth").find("north (0\xB0)"), std::string::npos);
    EXPECT_NE(TextOf("COM port").find("/dev/ttyACM0"), std::string::npos);
}

TEST_F(HelpFormTest, WindowTakesTheSessionsColours) {
    state.backColor = kWhite;
    state.textColor = 64;
    form.Form_Load();
    EXPECT_EQ(form.backColor, kWhite);
    for (const Control* label : {&form.Label1, &form.Label2, &form.Label3}) {
        EXPECT_EQ(label->foreColor, 64u);
        EXPECT_EQ(label->backColor, kWhite);
    }
}

TEST_F(HelpFormTest, ListsHtmlDocumentsWhateverTheirCaseAndOpensThemByFullPath) {
    for (const char* name : {"TALVO-Guide.html", "Scripting.HTM", "notes.Htm", "readme.txt", "FULL.TLV"})
        Touch(name);
    fs::create_directory(dir / "old.htm");
    form.Form_Load();
    EXPECT_EQ(form.File1.items, (std::vector<std::string>{"Scripting.HTM", "TALVO-Guide.html", "notes.Htm"}));

    form.File1_Click(2);
    form.File1_Click(3);  // past the end: nothing
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{state.appDir + "notes.Htm"});
    EXPECT_TRUE(dialogs.messages.empty());

    // The list is read again each time the window opens.
    fs::remove(dir / "notes.Htm");
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

    dialogs.openSucceeds = false;  // no desktop opener
    form.Label1_Click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST(HelpFormInstall, TheGuideLiesBesideTheProgram) {
    const char* binDir = std::getenv("TALVO_BIN_DIR");
    if (binDir == nullptr) GTEST_SKIP() << "run through ctest, which names the program directory";
    SessionState state;
    state.appDir = std::string(binDir) + "/";
    testing::ScriptedDialogs dialogs;
    HelpForm form(state, dialogs);
    form.Form_Load();
    EXPECT_NE(std::find(form.File1.items.begin(), form.File1.items.end(), HelpForm::kGuideFileName),
              form.File1.items.end());
}

}  // namespace
}  // namespace talvo
