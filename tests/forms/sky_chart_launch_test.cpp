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
#include "platform/start_program.h"
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
    const std::pair<const char*, double> magnitudes[] = {{"11.5", 8},  {"12.0", 5}, {" 2.9", 70}, {"3.0", 40},
                                                         {"9.99", 20}, {"99", 5},   {"    ", 5}};
    for (const auto& [magnitude, field] : magnitudes) {
        EXPECT_EQ(SkyChartFieldOfView(WithMagnitude(magnitude)), field) << magnitude;
    }
    CurrentObject body = WithMagnitude("-26");  // bodies go by what they are
    const std::pair<int, double> bodies[] = {{0, 70}, {3, 70}, {6, 70}, {8, 30}, {9, 5}};
    for (const auto& [index, field] : bodies) {
        body.planetIndex = index;
        EXPECT_EQ(SkyChartFieldOfView(body), field) << index;
    }
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
        platform::ProgramOutput({"localedef", "-i", "de_DE", "-f", "UTF-8", locales.File("de_DE.UTF-8")}));
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
    state.object.decDegrees = -5;  // -5.5 degrees
    state.object.decSign = 1;
    SetSite(state.site, -33.8652, -151.2094);  // south and east of Greenwich
    ASSERT_EQ(LaunchSkyChart(state), SkyChartLaunch::kOlderStarted);
    const std::string recorded = Recorded("args");  // the program as PATH named it, then its arguments
    EXPECT_EQ(recorded.substr(recorded.find('\n')),
              "\n-ar\n05.5880\n-de\n-05.5000\n-d\n2026-03-07T09:05:04\n"
              "-o\nLAT:-33d51m54.7s LON:-151d12m33.8s ALT:000m OBS:TALVO.HOM\n-w\n08.00\n");
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
