// The observing log: its header, the object lines for catalog objects and bodies, the notes
// command, script mode and a log that cannot be written.
#include "forms/observing_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog_fixture.h"
#include "support/main_window_fixture.h"

namespace talvo {
namespace {

class ObservingLogTest : public testing::MainWindowTest {
protected:
    ObservingLogTest() {
        state.appDir = dir.path();
        form.Form_Load();
    }

    void SelectOrionNebula() {
        CatalogEntry entry;
        entry.names = {"M42         ", "NGC 1976    ", "Orion Nebula", "            ", "Ori         "};
        entry.magnitudeText = " 4.00";
        entry.raHours = 5.588;
        entry.decDegrees = -5.39;
        SelectEntry(state, entry);
        form.Redisplay();
    }

    // The log's lines; every line must end in CR LF.
    std::vector<std::string> LogLines() const {
        std::ifstream file(dir.File("TALVOLOG.TXT"), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        const std::string text = bytes.str();
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        EXPECT_EQ(start, text.size()) << "text after the last line end";
        return lines;
    }

    bool Write(const std::string& text) { return WriteLog(state, dialogs, text); }

    testing::TempDir dir;
};

bool Matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
}

const char* const kHeader =
    "OBSERVING NOTES WRITTEN 12-06-2026 STARTING 21:30:00 LOCAL TIME, UTC= 02:30:00 + LOCATION FILE: "
    "TALVO.HOM LAT= 40 \xB0 30 ' LONG= 74 \xB0 15 ' GOTO SCOPE= 0 ";

TEST_F(ObservingLogTest, TwoNotesGiveOneHeaderAndAnObjectLineBeforeEachNote) {
    SelectOrionNebula();
    Answer({"Trapezium split at 100x", "nebula greenish", ""});
    form.Form_KeyPress('o');

    ASSERT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(dialogs.prompts[0].prompt, "Enter Observing Notes for M42          - a blank line exits");
    EXPECT_EQ(dialogs.prompts[0].title, "Write to Observing Log  TALVOLOG.TXT");
    EXPECT_EQ(dialogs.prompts[1].title, "Write to Observing Log");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "  ");
    EXPECT_EQ(lines[1], kHeader);
    EXPECT_EQ(lines[2], "  ");
    EXPECT_EQ(lines[4], "Trapezium split at 100x");
    EXPECT_EQ(lines[5], lines[3]);
    EXPECT_EQ(lines[6], "nebula greenish");
    EXPECT_EQ(state.lastLoggedObject, "M42         ");

    // The object line: the five names, the altitude to a tenth of a degree, the first five
    // characters of the magnitude, the date and the local time.
    std::smatch parts;
    const std::regex objectLine(
        "M42          NGC 1976     Orion Nebula              Ori          Alt= (\\d+\\.\\d) \xB0 MAG= 4.00 "
        "12-06-2026 21:30:00");
    ASSERT_TRUE(std::regex_match(lines[3], parts, objectLine)) << lines[3];
    EXPECT_NEAR(std::stod(parts[1]), state.object.altitude, 0.05);
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(ObservingLogTest, WithoutAnObjectTheLineSaysSoAndALaterRunWritesItsOwnHeader) {
    ASSERT_TRUE(Write("clouds"));
    state.lastLoggedObject.clear();  // a new run of the program
    clock.Advance(3600);
    form.Timer1_Timer();
    ASSERT_TRUE(Write("still clouds"));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], "No Object Selected  12-06-2026 21:30:00");
    EXPECT_EQ(lines[4], "clouds");
    EXPECT_EQ(lines[6].substr(0, 60), "OBSERVING NOTES WRITTEN 12-06-2026 STARTING 22:30:00 LOCAL T");
    EXPECT_EQ(lines[8], "No Object Selected  12-06-2026 22:30:00");
}

TEST_F(ObservingLogTest, BodiesAreLoggedWithTheirDistanceSizeAndPhase) {
    form.List1_Click(0);
    ASSERT_TRUE(Write("sun"));
    form.List1_Click(5);
    ASSERT_TRUE(Write("jupiter"));
    form.List1_Click(3);
    ASSERT_TRUE(Write("moon"));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 9u);
    const std::string stamp = " 12-06-2026 21:30:00";
    EXPECT_TRUE(Matches(
        lines[3], "Sun          Dist=0\\.98\\d AU\\. Alt=-\\d+(\\.\\d)? \xB0 Size= 3\\d\\.\\d'" + stamp))
        << lines[3];
    EXPECT_TRUE(Matches(lines[5],
                        "Jupiter      Dist=\\d\\.\\d{3} AU .*(Morning|Evening)\\. Alt=-? ?\\d+(\\.\\d)? "
                        "\xB0 Size= \\d\\d\\.\\d\\d\"" +
                            stamp))
        << lines[5];
    EXPECT_TRUE(Matches(lines[7],
                        "Moon         Phase= .{8} Elongation= .* Dist = \\d{3},\\d{3}\\.\\d km  "
                        "Size= \\d\\d\\.\\d'  \\d\\.\\d\\dx avg \\. Alt=-? ?\\d+(\\.\\d)? \xB0" +
                            stamp))
        << lines[7];
}

TEST_F(ObservingLogTest, AScriptWritesTheObjectLineOnceForItsCommandsOnOneObject) {
    state.scriptMode = true;
    SelectOrionNebula();
    ASSERT_TRUE(Write("Command 1: FIND=M42 Successful"));
    ASSERT_TRUE(Write("Command 2: WAIT=10 Successful"));
    form.List1_Click(5);
    ASSERT_TRUE(Write("Command 3: PLANET=5 Successful"));
    ASSERT_TRUE(Write("Command 4: WAIT=10 Successful"));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1].substr(0, 36), "COMMAND LOG WRITTEN 12-06-2026 START");
    EXPECT_EQ(lines[3].substr(0, 4), "M42 ");
    EXPECT_EQ(lines[4], "Command 1: FIND=M42 Successful");
    EXPECT_EQ(lines[5], "Command 2: WAIT=10 Successful");
    EXPECT_EQ(lines[6].substr(0, 8), "Jupiter ");
    EXPECT_EQ(lines[7], "Command 3: PLANET=5 Successful");
    EXPECT_EQ(lines[8], "Command 4: WAIT=10 Successful");
}

TEST_F(ObservingLogTest, ALogThatCannotBeWrittenBeepsSaysSoAndChangesNothing) {
    SelectOrionNebula();
    state.appDir = dir.File("missing/");
    Answer({"first light", ""});
    form.Form_KeyPress('O');
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.MessageTexts(), "CAN'T WRITE TO OBSERVING LOG TALVOLOG.TXT");
    EXPECT_EQ(state.lastLoggedObject, "");

    // Once the log can be written, the run's first entry still carries the header.
    state.appDir = dir.path();
    ASSERT_TRUE(Write("second light"));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], kHeader);
}

TEST_F(ObservingLogTest, ASiteJustSouthAndEastKeepsItsSignsInTheHeader) {
    SetSite(state.site, -0.5, -0.25);
    ASSERT_TRUE(Write("note"));
    const std::vector<std::string> lines = LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines[1].find(" LAT=-0 \xB0 30 ' LONG=-0 \xB0 15 ' "), std::string::npos) << lines[1];
}

}  // namespace
}  // namespace talvo
