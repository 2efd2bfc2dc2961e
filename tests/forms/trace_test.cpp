// The trace: its prompts, the table of positions across the calendar, the clock restored and
// the file shown or the failure reported.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog_fixture.h"
#include "support/main_window_fixture.h"

namespace talvo {
namespace {

class TraceTest : public testing::MainWindowTest {
protected:
    TraceTest() { state.appDir = dir.path(); }

    void Start(const LocalDateTime& now) {
        clock.Set(now);
        form.Form_Load();
        SelectPosition(state, 5.588, -5.39, 2000.0);
        form.Redisplay();
    }

    std::vector<std::string> TraceLines() const {
        std::ifstream file(dir.File("traces.txt"), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(bytes, line)) {
            EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
            lines.push_back(line.substr(0, line.size() - 1));
        }
        return lines;
    }

    testing::TempDir dir;
};

TEST_F(TraceTest, ATraceAcrossTheYearsEndShowsTheNewYearAndReturnsToRealTime) {
    Start({2026, 12, 31, 23, 15, 30});
    state.object.name1 = "Target      ";
    // Answers out of range are asked again.
    Answer({"0", "25", "2", "abc", "61", "30"});
    form.Form_KeyPress('r');

    ASSERT_EQ(dialogs.prompts.size(), 6u);
    EXPECT_EQ(dialogs.prompts[0].prompt, "Trace for how many hours? (1-24)");
    EXPECT_EQ(dialogs.prompts[2].prompt, "Trace for how many hours? (1-24)");
    EXPECT_EQ(dialogs.prompts[3].prompt, "How many minutes'interval? (1-60)");
    EXPECT_EQ(dialogs.prompts[5].prompt, "How many minutes'interval? (1-60)");

    const std::vector<std::string> lines = TraceLines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Tracing Target      , Name2 = , Name3 = , Name4 = , Name5 = ");
    EXPECT_EQ(lines[1], "At  40\xB0 30.0'  N,  74\xB0 15.0'  W, TALVO.HOM, at 23:15:30  EST, 12-31-2026");
    EXPECT_EQ(lines[2], "  ");
    const char* const moments[] = {"12-31-2026 23:15:00", "12-31-2026 23:45:00", "01-01-2027 00:15:00",
                                   "01-01-2027 00:45:00", "01-01-2027 01:15:00"};
    for (int i = 0; i < 5; ++i) {
        const std::string& line = lines[3 + i];
        EXPECT_EQ(line.substr(0, 32), "Target      :" + std::string(moments[i])) << line;
        EXPECT_EQ(line.substr(32, 17), "  EST Altitude = ") << line;
        EXPECT_NE(line.find(" Azimuth = "), std::string::npos) << line;
    }
    // The object sinks as the night goes on: the altitudes differ.
    EXPECT_NE(lines[3].substr(49, 8), lines[7].substr(49, 8));

    EXPECT_TRUE(state.clock.realTime);
    EXPECT_FALSE(form.RealTime.visible);
    EXPECT_EQ(form.Time.caption, "23:15:30  EST");
    EXPECT_EQ(form.Date.caption, "12-31-2026");
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{dir.File("traces.txt")});
    EXPECT_EQ(dialogs.MessageTexts(), "");
}

TEST_F(TraceTest, AnHourEverySixtyMinutesWritesTwoPositionsAndKeepsAFictitiousMoment) {
    Start({2026, 12, 6, 21, 30, 0});
    SetLocalMoment(state, {2027, 2, 28, 23, 40, 17});
    form.Redisplay();
    const std::string altitudeBefore = form.Altitude.caption;
    Answer({"1", "60"});
    form.TraceButton_Click();

    const std::vector<std::string> lines = TraceLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(lines[3].find(":02-28-2027 23:40:00  EST "), std::string::npos) << lines[3];
    EXPECT_NE(lines[4].find(":03-01-2027 00:40:00  EST "), std::string::npos) << lines[4];
    EXPECT_FALSE(state.clock.realTime);
    EXPECT_EQ(form.Time.caption, "23:40:17  EST");
    EXPECT_EQ(form.Date.caption, "02-28-2027");
    EXPECT_EQ(form.Altitude.caption, altitudeBefore);
}

TEST_F(TraceTest, AnEmptyAnswerEndsWithoutWriting) {
    Start({2026, 12, 6, 21, 30, 0});
    Answer({"3", ""});
    form.TraceButton_Click();
    EXPECT_FALSE(std::ifstream(dir.File("traces.txt")).good());
    EXPECT_TRUE(dialogs.openedDocuments.empty());
    EXPECT_TRUE(state.clock.realTime);
}

TEST_F(TraceTest, ATableThatCannotBeWrittenOrShownIsReportedInRealTime) {
    Start({2026, 12, 6, 21, 30, 0});
    state.appDir = dir.File("missing/");
    Answer({"1", "30"});
    form.TraceButton_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Cannot Open File TRACES.TXT");
    EXPECT_NE(form.General.caption.find("No such file"), std::string::npos) << form.General.caption;
    EXPECT_TRUE(dialogs.openedDocuments.empty());
    EXPECT_TRUE(state.clock.realTime);

    state.appDir = dir.path();
    dialogs.openSucceeds = false;
    dialogs.messages.clear();
    Answer({"1", "30"});
    form.TraceButton_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Cannot Open File TRACES.TXT");
    EXPECT_EQ(TraceLines().size(), 6u);
}

}  // namespace
}  // namespace talvo
