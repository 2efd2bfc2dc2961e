// The sky chart: its field of view, the option texts, and the program started with them through
// an argument vector (a stand-in program records what it was given).
#include "forms/sky_chart_launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <thread>

#include "engine/time_scales.h"
#include "platform/program_start.h"
#include "support/main_window_fixture.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::ScopedEnv;
using testing::ScratchDir;

CurrentObject WithMagnitude(const char* magnitude) {
    CurrentObject object;
    object.magnitudeText = magnitude;
    return object;
}

TEST(SkyChartFieldOfView, FollowsTheBodyOrTheMagnitude) {
    EXPECT_EQ(SkyChartFieldOfView(WithMagnitude("11.5")), 8.0);
    EXPECT_EQ(SkyChartFieldOfView(WithMagnitude("12.0")), 5.0);
    EXPECT_EQ(SkyChartFieldOfView(WithMagnitude(" 2.9")), 70.0);
    EXPECT_EQ(SkyChartFieldOfView(WithMagnitude("3.0")), 40.0);
    EXPECT_EQ(SkyChartFieldOfView(WithMagnitude("9.99")), 20.0);
    EXPECT_EQ(SkyChartFieldOfView(WithMagnitude("99")), 5.0);
    EXPECT_EQ(SkyChartFieldOfView(WithMagnitude("    ")), 5.0);  // unknown is not magnitude 0
    CurrentObject body = WithMagnitude("-26");
    for (int index : {0, 3, 6}) {
        body.planetIndex = index;
        EXPECT_EQ(SkyChartFieldOfView(body), 70.0) << index;
    }
    body.planetIndex = 8;
    EXPECT_EQ(SkyChartFieldOfView(body), 30.0);
    body.planetIndex = 9;
    EXPECT_EQ(SkyChartFieldOfView(body), 5.0);
}

class SkyChartTest : public testing::MainWindowTest {
protected:
    SkyChartTest() {
        state.clock.realTime = false;
        state.clock.year = 2026;
        state.clock.month = 3;
        state.clock.day = 7;
        state.clock.hour = 9;
        state.clock.minute = 5;
        state.clock.second = 4;
        CalcTime(state.clock, state.site);
        state.object.present = 1;
        state.object.magnitudeText = "11.5";
        state.object.raHours = 5;
        state.object.raMinutes = 35.28;  // 5.588 h
        state.object.decDegrees = 0;
        state.object.decMinutes = 30.0;
        state.object.decSign = -1;  // -0.5 degree
    }

    // A stand-in for a sky-chart program: writes its name and each argument on a line of
    // `record`.
    void StandIn(const std::string& name, const std::string& record) {
        dir.Write(name, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + record + ".tmp' && /bin/mv '" +
                            record + ".tmp' '" + record + "'\n");
        ASSERT_EQ(::chmod(dir.File(name).c_str(), 0755), 0);
    }

    // What the stand-in recorded, once it has run.
    std::string Recorded(const std::string& record) {
        for (int i = 0; i < 500 && dir.Read(record).empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return dir.Read(record);
    }

    ScratchDir dir;
    ScratchDir empty;
};

TEST_F(SkyChartTest, OptionTextsOfBothPrograms) {
    const SkyChartCommand present = SkyChartProgramCommand(state, "/opt/chart/");
    EXPECT_EQ(present.program, "/opt/chart/skychart");
    const std::vector<std::string> expected{
        "--unique",
        "--setproj=ALTAZ",
        "--setfov=08.00",
        "--setra=05.5880",
        "--setdec=-00.5000",
        "--setdate=2026-03-07T09:05:04",
        "--setobs=LAT:+40d30m00.0sLON:074d15m00.0s ALT:000m OBS:TALVO.HOM"};
    EXPECT_EQ(present.arguments, expected);

    state.object.decDegrees = -5;
    state.object.decSign = 1;
    SetSite(state.site, -33.8652, -151.2094);  // south and east of Greenwich
    const SkyChartCommand older = SkyChartOlderCommand(state, "");
    EXPECT_EQ(older.program, "ciel");
    const std::vector<std::string> olderExpected{
        "-ar", "05.5880",
        "-de", "-05.5000",
        "-d",  "2026-03-07T09:05:04",
        "-o",  "LAT:-33d51m54.7s LON:-151d12m33.8s ALT:000m OBS:TALVO.HOM",
        "-w",  "08.00"};
    EXPECT_EQ(older.arguments, olderExpected);
}

TEST_F(SkyChartTest, SecondsNeverReachSixtyAndASmallSouthernLatitudeKeepsItsSign) {
    SetSite(state.site, -(30.0 / 60.0 + 59.99 / 3600.0), 0.0);  // 0 d 30 m 59.99 s south
    const std::string site = SkyChartProgramCommand(state, "").arguments.back();
    EXPECT_EQ(site.substr(0, 36), "--setobs=LAT:-00d31m00.0sLON:000d00m");
}

TEST_F(SkyChartTest, NumbersKeepTheirPeriodsInACommaLocale) {
    // A German locale writes 5,5880; it is made here when the computer has none installed.
    ScratchDir locales;
    ScopedEnv localePath("LOCPATH", locales.path());
    static_cast<void>(
        platform::ProgramOutput("localedef", {"-i", "de_DE", "-f", "UTF-8", locales.File("de_DE.UTF-8")}));
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    const SkyChartCommand command = SkyChartProgramCommand(state, "");
    std::setlocale(LC_NUMERIC, before.c_str());
    ASSERT_EQ(std::string(probe), "0,5");  // the locale does write a comma
    for (const std::string& argument : command.arguments)
        EXPECT_EQ(argument.find(','), std::string::npos) << argument;
    EXPECT_EQ(command.arguments[2], "--setfov=08.00");
    EXPECT_EQ(command.arguments[3], "--setra=05.5880");
    EXPECT_EQ(command.arguments[6].substr(0, 34), "--setobs=LAT:+40d30m00.0sLON:074d1");
}

TEST_F(SkyChartTest, StartsTheProgramWithEachOptionAsOneArgument) {
    StandIn("skychart", dir.File("args"));
    ScopedEnv chartDir("TALVO_SKYCHART_DIR", dir.path());
    state.homeFileName = "My Dark Site.HOM";
    ASSERT_EQ(LaunchSkyChart(state), SkyChartLaunch::kStarted);
    EXPECT_EQ(Recorded("args"),
              dir.File("skychart") +
                  "\n--unique\n--setproj=ALTAZ\n--setfov=08.00\n--setra=05.5880\n--setdec=-00.5000\n"
                  "--setdate=2026-03-07T09:05:04\n"
                  "--setobs=LAT:+40d30m00.0sLON:074d15m00.0s ALT:000m OBS:My Dark Site.HOM\n");
}

TEST_F(SkyChartTest, FallsBackToTheOlderProgramOnThePath) {
    StandIn("ciel", dir.File("args"));
    ScopedEnv chartDir("TALVO_SKYCHART_DIR", std::nullopt);
    ScopedEnv path("PATH", dir.path());
    ASSERT_EQ(LaunchSkyChart(state), SkyChartLaunch::kOlderStarted);
    const std::string recorded = Recorded("args");
    EXPECT_NE(recorded.find("\n-ar\n05.5880\n-de\n-00.5000\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find("\n-o\nLAT:+40d30m00.0s LON:074d15m00.0s ALT:000m OBS:TALVO.HOM\n-w\n08.00\n"),
              std::string::npos)
        << recorded;
}

TEST_F(SkyChartTest, AMissingProgramIsSaidOnceAndTheWindowStaysAsItWas) {
    ScopedEnv chartDir("TALVO_SKYCHART_DIR", empty.path());
    ScopedEnv path("PATH", empty.path());
    const std::string shown = form.Name1.caption;
    form.SkyChart_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Error: Skycharts not found!");
    EXPECT_EQ(form.Name1.caption, shown);
}

TEST_F(SkyChartTest, TypeFiveTelescopesGoThroughTheSkyChart) {
    StandIn("skychart", dir.File("args"));
    ScopedEnv chartDir("TALVO_SKYCHART_DIR", dir.path());
    state.scope.scopeType = 5;
    state.scope.scopeModel = 501;
    state.scope.scopePort = 3;  // never opened: nothing is sent on the port
    EXPECT_TRUE(form.scopeCommands.Goto());
    EXPECT_EQ(Recorded("args").substr(0, dir.File("skychart").size()), dir.File("skychart"));
    EXPECT_TRUE(dialogs.messages.empty());

    ScopedEnv nowhere("TALVO_SKYCHART_DIR", empty.path());
    ScopedEnv path("PATH", empty.path());
    EXPECT_FALSE(form.scopeCommands.Goto());
    EXPECT_EQ(dialogs.MessageTexts(), "Error: Skycharts not found!");
}

}  // namespace
}  // namespace talvo
