// The observing log: header, object lines, the notes command, script mode and a failed write.
#include "forms/observing_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "catalog/catalog_fixture.h"
#include "support/main_window_fixture.h"

namespace talvo {
namespace {

class ObservingLogTest : public testing::MainWindowTest {
protected:
    ObservingLogTest() {
        state.appDir = dir.path();
        form.Form_Load();
        CatalogEntry entry{{"M42         ", "NGC 1976    ", "Orion Nebula", "            ", "Ori         "},
                           " 4.00",
                           5.588,
                           -5.39};
        SelectEntry(state, entry);
        form.Redisplay();
    }

    // The log's lines, each of which must end in CR LF.
    std::vector<std::string> Lines() const {
        std::stringstream bytes;
        bytes << std::ifstream(dir.File("TALVOLOG.TXT"), std::ios::binary).rdbuf();
        std::vector<std::string> lines;
        for (std::string line; std::getline(bytes, line); lines.push_back(line.substr(0, line.size() - 1))) {
            EXPECT_EQ(line.back(), '\r');
        }
        return lines;
    }

    testing::TempDir dir;
};

TEST_F(ObservingLogTest, TwoNotesGiveOneHeaderAndAnObjectLineBeforeEachNote) {
    Answer({"Trapezium split", "greenish", ""});
    form.Form_KeyPress('o');
    ASSERT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(dialogs.prompts[0].prompt, "Enter Observing Notes for M42          - a blank line exits");
    EXPECT_EQ(dialogs.prompts[0].title, "Write to Observing Log  TALVOLOG.TXT");
    EXPECT_EQ(dialogs.prompts[1].title, "Write to Observing Log");
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0] + lines[2], "    ");
    EXPECT_EQ(lines[1],
              "OBSERVING NOTES WRITTEN 12-06-2026 STARTING 21:30:00 LOCAL TIME, UTC= 02:30:00 + LOCATION "
              "FILE: TALVO.HOM LAT= 40 \xB0 30 ' LONG= 74 \xB0 15 ' GOTO SCOPE= 0 ");
    std::smatch altitude;
    ASSERT_TRUE(
        std::regex_match(lines[3], altitude,
                         std::regex("M42          NGC 1976     Orion Nebula              Ori          "
                                    "Alt= (\\d+\\.\\d) \xB0 MAG= 4.00 12-06-2026 21:30:00")))
        << lines[3];
    EXPECT_NEAR(std::stod(altitude[1]), state.object.altitude, 0.05);
    EXPECT_EQ(lines[4] + "|" + lines[6], "Trapezium split|greenish");
    EXPECT_EQ(lines[5], lines[3]);
}

TEST_F(ObservingLogTest, BodiesCarryTheirDistanceSizeAndPhase) {
    for (int row : {0, 5, 3}) {
        form.List1_Click(row);
        ASSERT_TRUE(WriteLog(state, dialogs, "note"));
    }
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 9u);
    const char* const patterns[] = {
        "Sun          Dist=0\\.985 AU\\. Alt=-55\\.8 \xB0 Size= 32\\.5'",
        "Jupiter      Dist=4\\.939 AU 108\xB0 Morning\\. Alt=-6\\.2 \xB0 Size= 39\\.86\"",
        "Moon         Phase=   New    Elongation=  20\xB0 Morning Dist = 406,593\\.9 km  Size= 29\\.4'  "
        "0\\.95x avg \\. Alt=-71\\.1 \xB0"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(
            std::regex_match(lines[3 + 2 * i], std::regex(std::string(patterns[i]) + " 12-06-2026 21:30:00")))
            << lines[3 + 2 * i];
    }
}

TEST_F(ObservingLogTest, AScriptWritesTheObjectLineOnceForItsCommandsOnOneObject) {
    state.scriptMode = true;
    for (const char* command : {"Command 1: FIND=M42 Successful", "Command 2: WAIT=10 Successful"}) {
        ASSERT_TRUE(WriteLog(state, dialogs, command));
    }
    form.List1_Click(5);
    ASSERT_TRUE(WriteLog(state, dialogs, "Command 3: PLANET=5 Successful"));
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1].substr(0, 31), "COMMAND LOG WRITTEN 12-06-2026 ");
    EXPECT_EQ(lines[3].substr(0, 4) + lines[6].substr(0, 8), "M42 Jupiter ");
    EXPECT_EQ(lines[5], "Command 2: WAIT=10 Successful");
}

TEST_F(ObservingLogTest, AFailedWriteBeepsSaysSoAndLeavesTheHeaderForTheNextEntry) {
    state.appDir = dir.File("missing/");
    EXPECT_FALSE(WriteLog(state, dialogs, "first light"));
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.MessageTexts(), "CAN'T WRITE TO OBSERVING LOG TALVOLOG.TXT");
    EXPECT_EQ(state.lastLoggedObject, "");
    // A site just south and east of zero degrees keeps its signs.
    state.appDir = dir.path();
    SetSite(state.site, -0.5, -0.25);
    state.object.present = 0;
    ASSERT_TRUE(WriteLog(state, dialogs, "second light"));
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(lines[1].find(" LAT=-0 \xB0 30 ' LONG=-0 \xB0 15 ' "), std::string::npos) << lines[1];
    EXPECT_EQ(lines[3], "No Object Selected  12-06-2026 21:30:00");
}

}  // namespace
}  // namespace talvo
