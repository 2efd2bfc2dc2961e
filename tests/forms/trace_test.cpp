// The trace: prompts, the table across the calendar, the clock restored, failures reported.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "catalog/catalog_fixture.h"
#include "support/main_window_fixture.h"

namespace talvo {
namespace {

class TraceTest : public testing::MainWindowTest {
protected:
    void Start(const LocalDateTime& now) {
        state.appDir = dir.path();
        clock.Set(now);
        form.Form_Load();
        SelectPosition(state, 5.588, -5.39, 2000.0);
        state.object.name1 = "Target      ";
        form.Redisplay();
    }

    std::vector<std::string> Lines() const {
        std::stringstream bytes;
        bytes << std::ifstream(dir.File("traces.txt"), std::ios::binary).rdbuf();
        std::vector<std::string> lines;
        for (std::string line; std::getline(bytes, line); lines.push_back(line.substr(0, line.size() - 1))) {
            EXPECT_EQ(line.back(), '\r');
        }
        return lines;
    }

    testing::TempDir dir;
};

TEST_F(TraceTest, ATraceAcrossTheYearsEndShowsTheNewYearAndReturnsToRealTime) {
    Start({2026, 12, 31, 23, 15, 30});
    Answer({"0", "25", "2", "abc", "61", "30"});  // out of range: asked again
    form.Form_KeyPress('r');
    ASSERT_EQ(dialogs.prompts.size(), 6u);
    EXPECT_EQ(dialogs.prompts[2].prompt, "Trace for how many hours? (1-24)");
    EXPECT_EQ(dialogs.prompts[5].prompt, "How many minutes'interval? (1-60)");
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Tracing Target      , Name2 = , Name3 = , Name4 = , Name5 = ");
    EXPECT_EQ(lines[1], "At  40\xB0 30.0'  N,  74\xB0 15.0'  W, TALVO.HOM, at 23:15:30  EST, 12-31-2026");
    EXPECT_EQ(lines[2], "  ");
    const char* const moments[] = {"12-31-2026 23:15", "12-31-2026 23:45", "01-01-2027 00:15",
                                   "01-01-2027 00:45", "01-01-2027 01:15"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lines[3 + i].substr(0, 49),
                  "Target      :" + std::string(moments[i]) + ":00  EST Altitude = ");
        EXPECT_NE(lines[3 + i].find(" Azimuth = "), std::string::npos) << lines[3 + i];
    }
    EXPECT_NE(lines[3].substr(49), lines[7].substr(49));  // the object moved
    EXPECT_TRUE(state.clock.realTime);
    EXPECT_EQ(form.Time.caption + form.Date.caption, "23:15:30  EST12-31-2026");
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{dir.File("traces.txt")});
}

TEST_F(TraceTest, AnHourEverySixtyMinutesWritesTwoPositionsAndKeepsAFictitiousMoment) {
    Start({2026, 12, 6, 21, 30, 0});
    SetLocalMoment(state, {2027, 2, 28, 23, 40, 17});
    form.Redisplay();
    const std::string altitude = form.Altitude.caption;
    Answer({"1", "60"});
    form.TraceButton_Click();
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3].substr(13, 19) + lines[4].substr(13, 19), "02-28-2027 23:40:0003-01-2027 00:40:00");
    EXPECT_FALSE(state.clock.realTime);
    EXPECT_EQ(form.Time.caption + form.Date.caption + form.Altitude.caption,
              "23:40:17  EST02-28-2027" + altitude);
}

TEST_F(TraceTest, AnEmptyAnswerWritesNothingAndAFailedWriteOrOpenIsReported) {
    Start({2026, 12, 6, 21, 30, 0});
    Answer({"3", ""});
    form.TraceButton_Click();
    EXPECT_FALSE(std::ifstream(dir.File("traces.txt")).good());

    state.appDir = dir.File("missing/");
    Answer({"1", "30"});
    form.TraceButton_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Cannot Open File TRACES.TXT");
    EXPECT_NE(form.General.caption.find("No such file"), std::string::npos) << form.General.caption;
    EXPECT_TRUE(state.clock.realTime && dialogs.openedDocuments.empty());

    state.appDir = dir.path();
    dialogs.openSucceeds = false;
    Answer({"1", "30"});
    form.TraceButton_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Cannot Open File TRACES.TXT|Cannot Open File TRACES.TXT");
    EXPECT_EQ(Lines().size(), 6u);
}

}  // namespace
}  // namespace talvo
