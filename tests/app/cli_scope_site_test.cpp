// talvo-cli scope-site and scope-upload against the telescope simulator.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli_run.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::CliRun;

class CliScopeSiteTest : public ::testing::Test {
protected:
    void StartSim(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim.Start(arguments));
        port.emplace("TALVO_COM3", sim.DevicePath());
    }

    testing::SimProcess sim;
    std::optional<testing::ScopedEnv> port;
};

TEST_F(CliScopeSiteTest, MeadeSiteAndOffsetPrinted) {
    StartSim({"--protocol", "lx200", "--lat", "40.5", "--lon", "-151.25", "--utc-offset", "-10"});
    const CliRun run = testing::RunCliAt(
        {"scope-site", "--scope-model", "401", "--port", "3", "--json", "--utc-offset", "-10"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("\"latitude\": 40.500000, \"longitude\": -151.250000"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"utcOffset\": -10.00"), std::string::npos) << run.out;
    EXPECT_EQ(sim.Received(), "#:Gg##:Gt##:GC##:GG##:GL#");
}

TEST_F(CliScopeSiteTest, LoadTimeSetsTheClockOrSaysWhyNot) {
    StartSim({"--protocol", "lx200", "--lat", "40.5", "--lon", "74.25", "--utc-offset", "5"});
    testing::ScratchDir bin;  // a time service that refuses, as one with synchronisation on does
    bin.Write("timedatectl", "#!/bin/sh\necho 'Failed to set time: Access denied' >&2\nexit 1\n");
    ::chmod(bin.File("timedatectl").c_str(), 0755);
    const char* path = std::getenv("PATH");
    testing::ScopedEnv searchPath("PATH", bin.path() + ":" + (path != nullptr ? path : ""));
    const CliRun run =
        testing::RunCliAt({"scope-site", "--scope-model", "401", "--port", "3", "--load-time"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(
        run.err,
        "talvo-cli scope-site: The computer will not accept GPS time: Failed to set time: Access denied\n");
}

TEST_F(CliScopeSiteTest, UploadSendsTheSiteAndMomentGiven) {
    StartSim({"--protocol", "lx200"});
    const CliRun run =
        testing::RunCliAt({"scope-upload", "--scope-model", "401", "--port", "3", "--lat", "40.5", "--lon",
                           "74.25", "--utc-offset", "5", "--date", "2026-12-06", "--time", "21:30:00"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(sim.Received(), "#:Sg 074*15##:St +40*30##:SG+05.0##:SC 12/06/26##:SL 21:30:00#");
    EXPECT_NE(run.out.find("Successful Upload to Telescope"), std::string::npos);
}

TEST_F(CliScopeSiteTest, UploadRefusedAtTheEndOfTheDayAndForOtherModels) {
    StartSim({"--protocol", "lx200"});
    const CliRun late =
        testing::RunCliAt({"scope-upload", "--scope-model", "401", "--port", "3", "--utc-offset", "5",
                           "--date", "2026-12-06", "--time", "23:59:57"});
    EXPECT_EQ(late.code, 1);
    EXPECT_NE(late.err.find("Date rollover, possible inconsistency. Try Again"), std::string::npos)
        << late.err;
    const CliRun nexstar = testing::RunCliAt({"scope-upload", "--scope-model", "104", "--port", "3"});
    EXPECT_EQ(nexstar.code, 2);
    EXPECT_EQ(sim.Received(), "");
}

}  // namespace
}  // namespace talvo
