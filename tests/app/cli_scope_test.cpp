// talvo-cli goto and scope-position against the telescope simulator: the exact bytes of each
// family, the refusals the window would make, and the position read back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::CliRun;

// 40.5 N 74.25 W, 2026-12-06 21:30 EST, when the epoch of date is 2027 and Orion is 28 degrees up.
CliRun RunAtSite(std::vector<std::string> args) {
    args.insert(args.end(), {"--lat", "40.5", "--lon", "74.25", "--utc-offset", "5", "--date", "2026-12-06",
                             "--time", "21:30:00"});
    return testing::RunCliAt(args);
}

class CliScopeTest : public ::testing::Test {
protected:
    void StartSim(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim.Start(arguments));
        port.emplace("TALVO_COM3", sim.DevicePath());
    }

    // 5h 34.5m, -5 deg 23' of the epoch of date: sent as it is, without precession.
    static CliRun Goto(const std::string& model, std::vector<std::string> more = {}) {
        std::vector<std::string> args{"goto",  "--scope-model", model,         "--port",  "3",   "--ra",
                                      "5.575", "--dec",         "-5.38333333", "--epoch", "2027"};
        args.insert(args.end(), more.begin(), more.end());
        return RunAtSite(args);
    }

    testing::SimProcess sim;
    std::optional<testing::ScopedEnv> port;
};

TEST_F(CliScopeTest, EachModelSendsItsFamilysBytes) {
    // The position's bytes for each family are pinned where the commands are made (0x3B77, 0xFC2C).
    using namespace std::string_literals;
    const struct {
        const char* model;
        const char* protocol;
        std::string bytes;
    } cases[] = {
        {"101", "nexstar", "R3B77,FC2C"},
        {"201", "nexstar-binary", "?R\x3B\x77\xFC\x2C"s},
        {"301", "gt-binary", "R\x3B\x77\x00\xFC\x2C\x00"s},
        {"401", "lx200", "#:Sr 05:34.5##:Sd -05*23##:MS#"},
    };
    for (const auto& c : cases) {
        StartSim({"--protocol", c.protocol});
        const CliRun run = Goto(c.model);
        EXPECT_EQ(run.code, 0) << c.model << run.err;
        ASSERT_TRUE(sim.WaitReceived(c.bytes.size(), 2000)) << c.model;
        EXPECT_EQ(sim.Received(), c.bytes) << c.model;
        EXPECT_NE(run.out.find("Sent to COM3 (" + sim.DevicePath() + "): "), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("press a key") != std::string::npos, std::string(c.model) == "301") << run.out;
        sim.Stop();
    }
}

TEST_F(CliScopeTest, RefusesWhatTheWindowWouldNotSend) {
    StartSim({"--protocol", "lx200", "--refuse-slew"});
    CliRun run = Goto("401");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "talvo-cli goto: Telescope refused the slew: Object Below Horizon\n");

    // Below 1 degree (the Sun at night), the Sun without a filter, and unknown models or ports.
    run = RunAtSite({"goto", "--scope-model", "401", "--port", "3", "--planet", "0"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("solar filter"), std::string::npos) << run.err;
    run = RunAtSite({"goto", "--scope-model", "401", "--port", "3", "--planet", "0", "--solar-filter"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("below 1 degree"), std::string::npos) << run.err;
    EXPECT_EQ(Goto("110").code, 2);
    EXPECT_EQ(RunAtSite({"goto", "--scope-model", "401", "--port", "65", "--planet", "4"}).code, 2);
    EXPECT_EQ(sim.Received().size(), 30u);  // only the first GoTo reached the telescope

    port.emplace("TALVO_COM3", "/dev/no-such-telescope");
    run = Goto("401");
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err.rfind("talvo-cli goto: UNABLE TO OPEN COM 3\nThere is no device", 0), 0u) << run.err;
}

TEST_F(CliScopeTest, ScopePositionPrintsWhereTheTelescopePoints) {
    StartSim({"--protocol", "nexstar", "--ra", "5.575", "--dec", "-5.38333333"});
    CliRun run = RunAtSite({"scope-position", "--scope-model", "101", "--port", "3"});
    ASSERT_EQ(run.code, 0) << run.err;
    // 16-bit angles hold the right ascension to a third of a second of time.
    EXPECT_NE(run.out.find("RightAsc:  2027 R.A. =  5h 34.49m"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Declination: Dec = -5\u00B0 23.0'"), std::string::npos) << run.out;
    sim.Stop();

    StartSim({"--protocol", "lx200", "--no-reply"});
    run = RunAtSite({"scope-position", "--scope-model", "401", "--port", "3", "--timeout", "0.3"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "talvo-cli scope-position: No scope response yet. Verify Connection.\n");
}

}  // namespace
}  // namespace talvo
