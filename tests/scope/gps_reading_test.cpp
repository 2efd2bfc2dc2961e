// Fixes read from the simulated receiver as the home file window reads them: generated sentences
// and a port that cannot be opened (recorded receivers: gps_recordings_test.cpp).
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
