// "Load From GPS Device" in the home file window, with the simulated receiver on the GPS port
// and a stand-in for the system clock: what is checked before reading, what a fix changes, and
// the clock refusing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "forms/file_select.h"
#include "support/fake_gpsd.h"
#include "support/main_window_fixture.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::ScopedEnv;
using testing::SimProcess;

constexpr double kDegreesPerRadian = 57.29577957855229;

class GpsLoadTest : public testing::MainWindowTest {
protected:
    GpsLoadTest() {
        state.scope.gpsPort = 7;
        form.fileSelect.Form_Load();
        form.fileSelect.gps->setClock = [this](const GpsFix& fix) {
            clockSets.push_back(fix);
            return clockAnswer;
        };
    }

    void StartReceiver(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim.Start(arguments));
        port.emplace("TALVO_COM7", sim.DevicePath());
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : dialogs.messages) texts.push_back(message.text);
        return texts;
    }

    FileSelect& window = form.fileSelect;
    SimProcess sim;
    std::optional<ScopedEnv> port;
    std::vector<GpsFix> clockSets;
    platform::ClockSetStatus clockAnswer{true, ""};
};

TEST_F(GpsLoadTest, WindowOffersTheGpsControls) {
    EXPECT_EQ(window.caption, "Load Home Location File or GPS Data");
    EXPECT_EQ(window.GPSload.caption, "Load From GPS Device");
    EXPECT_EQ(window.GPSload.toolTip, "Begin the process of loading data from a hand-held GPS receiver");
    EXPECT_EQ(window.Check1.caption, "Load Time From GPS or Scope");
    EXPECT_TRUE(window.Check1.value);
    EXPECT_EQ(window.GPSstatus.caption, "GPS Status");

    window.Check1_Click(false);
    EXPECT_TRUE(state.doNotLoadTime);
    EXPECT_TRUE(state.configDirty);
    window.Form_Load();
    EXPECT_FALSE(window.Check1.value);
}

TEST_F(GpsLoadTest, NothingIsReadOutsideRealTimeOrWithoutAPortOrWhenCancelled) {
    state.clock.realTime = false;
    window.GPSload_Click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Must be in Real-Time Mode for GPS Operation"});
    EXPECT_FALSE(window.visible);

    state.clock.realTime = true;
    state.scope.gpsPort = 0;
    dialogs.messages.clear();
    window.Form_Load();
    window.GPSload_Click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Must Select a COM Port for GPS on Options Form"});

    state.scope.gpsPort = 12;
    dialogs.messages.clear();
    dialogs.messageAnswers.push_back(MessageAnswer::Cancel);
    window.Form_Load();
    window.GPSload_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        "Configure GPS interface to send NMEA 0183 V2 data, then connect GPS to COM12, using a special GPS "
        "data cable. Click 'OK' when ready");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(window.visible);
    EXPECT_FALSE(state.site.siteFromGps);
}

TEST_F(GpsLoadTest, FixSetsSiteAndClock) {
    StartReceiver({"--protocol", "nmea", "--lat", "-0.5", "--lon", "-11.5"});
    dialogs.messageAnswers.push_back(MessageAnswer::Ok);
    window.GPSload_Click();
    EXPECT_EQ(MessageTexts().back(), "Successful GPS Reading. Location and Time have been set.");
    EXPECT_EQ(window.GPSstatus.caption, "GPS Data Valid");
    EXPECT_FALSE(window.visible);
    ASSERT_EQ(clockSets.size(), 1u);
    EXPECT_GE(clockSets[0].year, 2026);
    const ObserverSite& site = state.site;
    EXPECT_EQ(site.latDegrees, 0);
    EXPECT_EQ(site.latSign, -1);
    EXPECT_EQ(site.latSignText, "-");
    EXPECT_DOUBLE_EQ(site.latitude, -0.5 / kDegreesPerRadian);
    EXPECT_EQ(site.lonDegrees, -11);
    EXPECT_DOUBLE_EQ(site.lonMinutes, 30.0);
    EXPECT_EQ(site.lonSignText, "-");
    EXPECT_NEAR(site.longitude, -11.5 / kDegreesPerRadian, 1e-12);
    EXPECT_TRUE(site.siteFromGps);
    EXPECT_TRUE(state.configDirty);
}

TEST_F(GpsLoadTest, RefusedClockIsSaidAndTheSiteStillApplied) {
    StartReceiver({"--protocol", "nmea", "--lat", "48.1173", "--lon", "-11.5166666667"});
    clockAnswer = {false, "Failed to set time: Automatic time synchronization is enabled"};
    dialogs.messageAnswers.push_back(MessageAnswer::Ok);
    window.GPSload_Click();
    const std::vector<std::string> texts = MessageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1],
              "The computer will not accept GPS time: Failed to set time: Automatic time "
              "synchronization is enabled");
    // The time was not set, and the last report does not claim it was.
    EXPECT_EQ(texts[2], "Successful GPS Reading. Location has been set");
    EXPECT_EQ(state.site.latDegrees, 48);
    EXPECT_NEAR(state.site.latMinutes, 7.038, 1e-9);
    EXPECT_TRUE(state.site.siteFromGps);
}

TEST_F(GpsLoadTest, TimeIsLeftAloneWhenNotToBeLoaded) {
    StartReceiver({"--protocol", "nmea", "--lat", "10", "--lon", "20"});
    window.Check1_Click(false);
    dialogs.messageAnswers.push_back(MessageAnswer::Ok);
    window.GPSload_Click();
    EXPECT_TRUE(clockSets.empty());
    EXPECT_EQ(MessageTexts().back(), "Successful GPS Reading. Location has been set");
    EXPECT_EQ(state.site.lonDegrees, 20);
}

TEST_F(GpsLoadTest, ClosingTheWindowAbandonsAReceiverWithoutAFix) {
    StartReceiver({"--protocol", "nmea", "--play", "/dev/null"});
    dialogs.messageAnswers.push_back(MessageAnswer::Ok);
    int looks = 0;
    dialogs.onDoEvents = [&] {
        if (++looks == 20) window.Command2_Click();
    };
    window.GPSload_Click();
    EXPECT_EQ(MessageTexts().back(), "GPS Reading Unsuccessful");
    EXPECT_FALSE(state.site.siteFromGps);
    EXPECT_EQ(window.GPSstatus.caption,
              "No valid NMEA data yet seen. Verify GPS Configuration and Connection");
}

TEST_F(GpsLoadTest, GpsdAsTheSourceIsReadWithoutAskingForTheCable) {
    const std::string report =
        R"({"class":"TPV","mode":3,"time":"2026-12-07T02:30:05.000Z","lat":-33.5,"lon":151.25})"
        "\n";
    testing::FakeGpsd gpsd({report}, 10, false);
    const ScopedEnv address("TALVO_GPSD", "127.0.0.1:" + std::to_string(gpsd.port()));
    state.scope.gpsPort = kGpsdSource;
    window.GPSload_Click();
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"Successful GPS Reading. Location and Time have been set."});
    ASSERT_EQ(clockSets.size(), 1u);
    EXPECT_EQ(clockSets[0].second, 6);
    EXPECT_EQ(state.site.latDegrees, -33);
    EXPECT_EQ(state.site.lonDegrees, -151);  // east
    EXPECT_DOUBLE_EQ(state.site.lonMinutes, 15.0);
}

TEST_F(GpsLoadTest, GpsdThatDoesNotAnswerIsNamed) {
    int unused = 0;
    {
        testing::FakeGpsd gone({}, 0, true);
        unused = gone.port();
    }
    const ScopedEnv address("TALVO_GPSD", "127.0.0.1:" + std::to_string(unused));
    state.scope.gpsPort = kGpsdSource;
    window.GPSload_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(MessageTexts()[0].rfind("UNABLE TO REACH GPSD\ngpsd does not answer on 127.0.0.1:", 0), 0u)
        << MessageTexts()[0];
    EXPECT_FALSE(state.site.siteFromGps);
}

TEST(GpsClock, ADateBeforeTheProgramIsNeverSetOnTheClock) {
    testing::ScratchDir bin;
    bin.Write("timedatectl", "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/called\"\n");
    ::chmod(bin.File("timedatectl").c_str(), 0755);
    const char* path = std::getenv("PATH");
    const ScopedEnv searchPath("PATH", bin.path() + ":" + (path != nullptr ? path : ""));
    GpsFix fix;
    fix.year = 2019;  // a receiver past its week rollover reports 1024 weeks back
    fix.month = 4;
    fix.day = 7;
    const platform::ClockSetStatus old = SetClockFromGps(fix);
    EXPECT_FALSE(old.ok);
    EXPECT_NE(old.message.find("the receiver's date 2019-04-07 cannot be right"), std::string::npos)
        << old.message;
    EXPECT_FALSE(std::filesystem::exists(bin.File("called")));

    fix.year = 2026;
    fix.month = 12;
    fix.day = 6;
    fix.hour = 21;
    fix.minute = 30;
    fix.second = 5;
    EXPECT_TRUE(SetClockFromGps(fix).ok);
    EXPECT_EQ(bin.Read("called"), "set-time 2026-12-06 21:30:05\n");
}

TEST_F(GpsLoadTest, PortThatCannotBeOpenedIsNamed) {
    port.emplace("TALVO_COM7", "/nonexistent/gps");
    dialogs.messageAnswers.push_back(MessageAnswer::Ok);
    window.GPSload_Click();
    EXPECT_EQ(MessageTexts().back().rfind("UNABLE TO OPEN COM 7", 0), 0u);
    EXPECT_FALSE(window.visible);
}

}  // namespace
}  // namespace talvo
