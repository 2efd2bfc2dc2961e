// Fixes read from the simulated receiver as the home file window reads them: recordings of real
// receivers played at their line's pace, generated sentences, a receiver without a fix, and a
// port that cannot be opened.
#include "scope/gps_reading.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::ScopedEnv;
using testing::SimProcess;

constexpr int kGpsPort = 5;

std::string Recording(const std::string& name) { return std::string(TALVO_NMEA_RECORDINGS) + "/" + name; }

class GpsReadingTest : public ::testing::Test {
protected:
    void Start(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim_.Start(arguments));
        port_.emplace("TALVO_COM5", sim_.DevicePath());
    }

    GpsReading Read(int giveUpAfterMs) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(giveUpAfterMs);
        ExchangeHooks hooks;
        hooks.keepGoing = [end] { return Clock::now() < end; };
        hooks.status = [this](const std::string& text) { statuses_.push_back(text); };
        return ReadGps(comm_, kGpsPort, hooks, 2026);
    }

    SimProcess sim_;
    std::optional<ScopedEnv> port_;
    platform::CommIO comm_;
    std::vector<std::string> statuses_;
};

TEST_F(GpsReadingTest, RecordedReceiverGivesItsFirstFix) {
    Start({"--protocol", "nmea", "--play", Recording("garmin48.log")});
    const GpsReading reading = Read(20000);
    ASSERT_EQ(reading.status, GpsReadStatus::kOk) << reading.portDetail;
    const GpsFix& fix = reading.fix;
    EXPECT_EQ(fix.latitude.degrees, -45);
    EXPECT_DOUBLE_EQ(fix.latitude.minutes, 27.458);
    EXPECT_EQ(fix.latitude.signText, "-");
    EXPECT_EQ(fix.longitude.degrees, -167);
    EXPECT_DOUBLE_EQ(fix.longitude.minutes, 9.165);
    EXPECT_EQ(fix.longitude.signText, "-");
    EXPECT_EQ(fix.year, 2001);
    EXPECT_EQ(fix.month, 6);
    EXPECT_EQ(fix.day, 6);
    EXPECT_EQ(fix.hour, 22);
    EXPECT_EQ(fix.minute, 53);
    EXPECT_EQ(fix.second, 9);
    EXPECT_EQ(statuses_, (std::vector<std::string>{kGpsNoDataText, kGpsWaitingText, kGpsValidText}));
    EXPECT_FALSE(comm_.IsOpen(kGpsSlot));
}

TEST_F(GpsReadingTest, ColdStartGarbageIsPassedOverUntilTheFirstSoundFix) {
    Start({"--protocol", "nmea", "--play", Recording("gp-320fw-2019-04-07-coldboot.log")});
    const GpsReading reading = Read(30000);
    ASSERT_EQ(reading.status, GpsReadStatus::kOk) << reading.portDetail;
    EXPECT_EQ(reading.fix.latitude.degrees, 48);
    EXPECT_DOUBLE_EQ(reading.fix.latitude.minutes, 8.9993);
    EXPECT_EQ(reading.fix.longitude.degrees, -11);
    EXPECT_DOUBLE_EQ(reading.fix.longitude.minutes, 35.0798);
    EXPECT_EQ(reading.fix.year, 2019);
    EXPECT_EQ(reading.fix.second, 46);  // the sentence of 00:03:45
}

TEST_F(GpsReadingTest, ReceiverWithoutAFixIsWaitedForUntilAbandoned) {
    Start({"--protocol", "nmea", "--play", Recording("holux-gm-210.log"), "--loop"});
    const GpsReading reading = Read(2500);
    EXPECT_EQ(reading.status, GpsReadStatus::kAbandoned);
    EXPECT_EQ(statuses_, (std::vector<std::string>{kGpsNoDataText, kGpsWaitingText}));
    EXPECT_FALSE(comm_.IsOpen(kGpsSlot));
}

TEST_F(GpsReadingTest, GeneratedSentencesCarryTheSiteWestPositive) {
    Start({"--protocol", "nmea", "--lat", "-33.5", "--lon", "-151.25"});
    const GpsReading reading = Read(5000);
    ASSERT_EQ(reading.status, GpsReadStatus::kOk) << reading.portDetail;
    EXPECT_NEAR(reading.fix.latitude.value, -33.5, 1e-9);
    EXPECT_NEAR(reading.fix.longitude.value, -151.25, 1e-9);
    EXPECT_EQ(reading.fix.longitude.signText, "-");  // east
    EXPECT_GE(reading.fix.year, 2000);
}

TEST(GpsReadingPort, APortThatCannotBeOpenedIsReported) {
    ScopedEnv port("TALVO_COM5", "/nonexistent/tty");
    platform::CommIO comm;
    const GpsReading reading = ReadGps(comm, kGpsPort, {}, 2026);
    EXPECT_EQ(reading.status, GpsReadStatus::kOpenFailed);
    EXPECT_FALSE(reading.portDetail.empty());
    EXPECT_FALSE(comm.IsOpen(kGpsSlot));
}

}  // namespace
}  // namespace talvo
