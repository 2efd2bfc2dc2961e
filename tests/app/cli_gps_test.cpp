// talvo-cli gps against the simulated receiver: the site as 'show' prints it, the JSON numbers,
// no fix in time, and a clock that a stand-in for timedatectl refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>
#include <optional>

#include "app/cli_run.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::CliRun;

class CliGpsTest : public ::testing::Test {
protected:
    void StartReceiver(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim.Start(arguments));
        port.emplace("TALVO_COM4", sim.DevicePath());
    }

    testing::SimProcess sim;
    std::optional<testing::ScopedEnv> port;
};

TEST_F(CliGpsTest, PrintsTheSiteAsShowDoesAndTheUtcTime) {
    StartReceiver({"--protocol", "nmea", "--lat", "48.1173", "--lon", "-11.5166666667"});
    const CliRun run = testing::RunCliAt({"gps", "--port", "4"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Latitude:  48\xC2\xB0 7.0380'  N\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Longitude:  11\xC2\xB0 31.0000'  E\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("UTC: 20"), std::string::npos) << run.out;
}

TEST_F(CliGpsTest, JsonGivesNorthAndWestPositiveDegrees) {
    StartReceiver({"--protocol", "nmea", "--lat", "-33.5", "--lon", "70.25"});
    const CliRun run = testing::RunCliAt({"gps", "--port", "4", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_DOUBLE_EQ(json["latitude"].get<double>(), -33.5);
    EXPECT_DOUBLE_EQ(json["longitude"].get<double>(), 70.25);
    const std::string utc = json["utc"];
    ASSERT_EQ(utc.size(), 20u);
    EXPECT_EQ(utc[10], 'T');
    EXPECT_EQ(utc.back(), 'Z');
}

TEST_F(CliGpsTest, NoValidFixInTimeIsExitCodeOne) {
    StartReceiver({"--protocol", "nmea", "--play", "/dev/null"});
    const CliRun run = testing::RunCliAt({"gps", "--port", "4", "--timeout", "0.5"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("GPS Reading Unsuccessful"), std::string::npos);
}

TEST_F(CliGpsTest, RefusedClockIsExitCodeTwoWithTheSystemsWords) {
    StartReceiver({"--protocol", "nmea", "--lat", "10", "--lon", "20"});
    testing::ScratchDir bin;
    bin.Write(
        "timedatectl",
        "#!/bin/sh\necho 'Failed to set time: Automatic time synchronization is enabled' >&2\nexit 1\n");
    ::chmod(bin.File("timedatectl").c_str(), 0755);
    const char* path = std::getenv("PATH");
    testing::ScopedEnv searchPath("PATH", bin.path() + ":" + (path != nullptr ? path : ""));
    const CliRun run = testing::RunCliAt({"gps", "--port", "4", "--load-time"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.out.find("Latitude:"), std::string::npos);
    EXPECT_EQ(run.err,
              "talvo-cli gps: The computer will not accept GPS time: Failed to set time: Automatic time "
              "synchronization is enabled\n");
}

TEST_F(CliGpsTest, APortIsRequiredAndMustOpen) {
    EXPECT_EQ(testing::RunCliAt({"gps"}).code, 2);
    port.emplace("TALVO_COM4", "/nonexistent/gps");
    const CliRun run = testing::RunCliAt({"gps", "--port", "4"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err.rfind("talvo-cli gps: UNABLE TO OPEN COM 4", 0), 0u);
}

}  // namespace
}  // namespace talvo
