// The site and time read from the simulated telescope, and the upload as the simulator receives
// it.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "scope/scope_site_reads.h"
#include "scope/scope_upload.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::ScopedEnv;
using testing::SimProcess;

int CurrentUtcYear() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    return parts.tm_year + 1900;
}

class SiteExchange : public ::testing::Test {
protected:
    void Start(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim_.Start(arguments));
        port_.emplace("TALVO_COM3", sim_.DevicePath());
    }

    ExchangeHooks Hooks(int giveUpAfterMs = 5000) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(giveUpAfterMs);
        ExchangeHooks hooks;
        hooks.keepGoing = [end] { return Clock::now() < end; };
        hooks.status = [this](const std::string& text) { statuses_.push_back(text); };
        return hooks;
    }

    ScopeSettings Scope(int type) const {
        ScopeSettings scope;
        scope.scopeType = type;
        scope.scopeModel = type == 1 ? 104 : 401;
        scope.scopePort = 3;
        return scope;
    }

    SimProcess sim_;
    std::optional<ScopedEnv> port_;
    platform::CommIO comm_;
    std::vector<std::string> statuses_;
};

TEST_F(SiteExchange, MeadeSiteWithoutTheTime) {
    Start({"--protocol", "lx200", "--lat", "-33.5", "--lon", "-151.25"});
    const SiteReading reading = ReadMeadeSite(comm_, Scope(4), SiteReadContext{false, 2026, false}, Hooks());
    ASSERT_EQ(reading.status, SiteReadStatus::kOk) << reading.error;
    EXPECT_DOUBLE_EQ(reading.latitudeDegrees, -33.5);
    EXPECT_DOUBLE_EQ(reading.longitudeDegrees, -151.25);
    EXPECT_FALSE(reading.timeRead);
    EXPECT_EQ(sim_.Received(), "#:Gg##:Gt#");  // no date, offset or time asked
}

TEST_F(SiteExchange, MeadeTimeIsTakenToUtcThroughTheTelescopesOffset) {
    Start({"--protocol", "lx200", "--lat", "40.5", "--lon", "75", "--utc-offset", "5"});
    const int year = CurrentUtcYear();
    ExchangeHooks hooks = Hooks();
    SiteReading reading = ReadMeadeSite(comm_, Scope(4), SiteReadContext{true, year, false}, hooks);
    if (reading.status == SiteReadStatus::kUtcRollover) {  // read just after midnight UTC
        reading = ReadMeadeSite(comm_, Scope(4), SiteReadContext{true, year, false}, hooks);
    }
    ASSERT_EQ(reading.status, SiteReadStatus::kOk) << reading.error;
    EXPECT_DOUBLE_EQ(reading.utcOffsetHours, 5.0);
    ASSERT_TRUE(reading.timeRead);
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    const long read = reading.utc.hour * 3600L + reading.utc.minute * 60L + reading.utc.second;
    const long actual = utc.tm_hour * 3600L + utc.tm_min * 60L + utc.tm_sec;
    EXPECT_LE(std::labs(read - actual) % 86400, 5L);
    EXPECT_EQ(reading.utc.day, utc.tm_mday);
    EXPECT_EQ(sim_.Received(), "#:Gg##:Gt##:GC##:GG##:GL#");
}

TEST_F(SiteExchange, MeadeDaylightTimeComesOffAPlainHandboxsOffset) {
    Start({"--protocol", "lx200", "--utc-offset", "5"});
    const SiteReading reading =
        ReadMeadeSite(comm_, Scope(4), SiteReadContext{true, CurrentUtcYear(), true}, Hooks());
    if (reading.status == SiteReadStatus::kUtcRollover) GTEST_SKIP() << "read at midnight UTC";
    ASSERT_EQ(reading.status, SiteReadStatus::kOk) << reading.error;
    EXPECT_DOUBLE_EQ(reading.utcOffsetHours, 4.0);
}

TEST_F(SiteExchange, MeadeGarbageEndsWithTheQuerysErrorAndTheAnswer) {
    Start({"--protocol", "lx200", "--garbage"});
    const SiteReading reading =
        ReadMeadeSite(comm_, Scope(4), SiteReadContext{false, 2026, false}, Hooks(3000));
    ASSERT_NE(reading.status, SiteReadStatus::kOk);
    if (reading.status == SiteReadStatus::kInvalidReply) {
        EXPECT_EQ(reading.error.rfind("Invalid Scope Response to ", 0), 0u) << reading.error;
        EXPECT_NE(reading.error.find(reading.reply), std::string::npos);
    }
}

TEST_F(SiteExchange, MissingPortIsReportedWithItsNumber) {
    ScopedEnv missing("TALVO_COM3", "/nonexistent/tty-for-site-test");
    const SiteReading reading = ReadMeadeSite(comm_, Scope(4), SiteReadContext{}, Hooks());
    EXPECT_EQ(reading.status, SiteReadStatus::kOpenFailed);
    EXPECT_EQ(reading.error, "UNABLE TO OPEN COM 3");
}

TEST_F(SiteExchange, CelestronWaitsForTheGpsLinkThenReadsSiteAndTime) {
    Start({"--protocol", "nexstar", "--lat", "30", "--lon", "-97.75", "--gps-delay", "1"});
    const SiteReading reading =
        ReadCelestronGps(comm_, Scope(1), SiteReadContext{true, CurrentUtcYear(), false}, Hooks(8000));
    if (reading.status == SiteReadStatus::kUtcRollover) GTEST_SKIP() << "read at midnight UTC";
    ASSERT_EQ(reading.status, SiteReadStatus::kOk) << reading.error;
    EXPECT_NEAR(reading.latitudeDegrees, 30.0, 1e-4);
    EXPECT_NEAR(reading.longitudeDegrees, -97.75, 1e-4);
    ASSERT_TRUE(reading.timeRead);
    EXPECT_EQ(reading.utc.year, CurrentUtcYear());
    bool waitedForLink = false;
    for (const std::string& status : statuses_)
        waitedForLink |= status == "Waiting for scope to achieve GPS link";
    EXPECT_TRUE(waitedForLink);
    // Every query went out as the 8-byte pass-through.
    const std::string received = sim_.Received();
    ASSERT_EQ(received.size() % 8, 0u);
    EXPECT_EQ(received.substr(received.size() - 8), GpsQuery(2, 3));
}

TEST_F(SiteExchange, CelestronYearFarFromTheComputersEndsTheReading) {
    Start({"--protocol", "nexstar"});
    const int year = CurrentUtcYear();
    const SiteReading reading =
        ReadCelestronGps(comm_, Scope(1), SiteReadContext{true, year + 16, false}, Hooks());
    EXPECT_EQ(reading.status, SiteReadStatus::kYearMismatch);
    EXPECT_EQ(reading.error, "Error: Scope Year= " + std::to_string(year) +
                                 ", Computer Year = " + std::to_string(year + 16));
}

TEST_F(SiteExchange, UploadSendsTheFiveCommandsAndSkipsTheDatesExtraLines) {
    Start({"--protocol", "lx200"});
    UploadValues values;
    values.latitudeDegrees = 40.5;
    values.longitudeDegrees = -2.25;
    values.utcOffsetHours = -1.0;
    values.year = 2026, values.month = 12, values.day = 6;
    values.hour = 18, values.minute = 5, values.second = 1;
    const UploadResult result = PlayUpload(comm_, 3, values, Hooks());
    ASSERT_EQ(result.status, UploadStatus::kOk) << result.error;
    EXPECT_EQ(sim_.Received(), "#:Sg 357*45##:St +40*30##:SG-01.0##:SC 12/06/26##:SL 18:05:01#");
}

TEST_F(SiteExchange, UploadRefusedAnswerNamesTheCommand) {
    Start({"--protocol", "lx200", "--garbage"});
    const UploadResult result = PlayUpload(comm_, 3, UploadValues{}, Hooks(3000));
    if (result.status == UploadStatus::kRefused) {
        EXPECT_EQ(result.error.rfind("Invalid Scope Response to Set Longitude=", 0), 0u) << result.error;
    } else {
        EXPECT_NE(result.status, UploadStatus::kOk);  // garbage of one byte "1" is possible only by chance
    }
}

}  // namespace
}  // namespace talvo
