// Where the simulated telescope points, read as the object window reads it, and the answers and
// silences that end the read.
#include <gtest/gtest.h>

#include <chrono>

#include "scope/position_reads.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::ScopedEnv;
using testing::SimProcess;

class PositionExchange : public ::testing::Test {
protected:
    void Start(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim_.Start(arguments));
        port_.emplace("TALVO_COM3", sim_.DevicePath());
    }

    PositionRead Read(int type, int model = 0, int giveUpAfterMs = 3000) {
        ScopeSettings scope;
        scope.scopeType = type;
        scope.scopeModel = model;
        scope.scopePort = 3;
        using Clock = std::chrono::steady_clock;
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(giveUpAfterMs);
        ExchangeHooks hooks;
        hooks.keepGoing = [end] { return Clock::now() < end; };
        hooks.status = [this](const std::string& text) { statuses_.push_back(text); };
        return type == 1 ? ReadNexStarPosition(comm_, scope, hooks) : ReadLx200Position(comm_, scope, hooks);
    }

    SimProcess sim_;
    std::optional<ScopedEnv> port_;
    platform::CommIO comm_;
    std::vector<std::string> statuses_;
};

TEST_F(PositionExchange, NexStarAlignedTelescopeGivesItsPointing) {
    Start({"--protocol", "nexstar", "--ra", "5.5", "--dec", "-20.25"});
    const PositionRead read = Read(1, 103);
    ASSERT_EQ(read.status, PositionReadStatus::kOk) << read.reply;
    EXPECT_EQ(read.position.raHours, 5);
    EXPECT_NEAR(read.position.raMinutes, 30.0, 0.1);
    EXPECT_EQ(read.position.decDegrees, -20);
    EXPECT_NEAR(read.position.decMinutes, 15.0, 0.5);
    EXPECT_EQ(sim_.Received(), "JE");
    ASSERT_FALSE(statuses_.empty());
    EXPECT_EQ(statuses_.front(),
              "No scope response yet. Verify Connection.\nNexstar 60/80/114 must be in 'RS-232 Mode'");
    EXPECT_FALSE(comm_.IsOpen(kScopeSlot));
}

TEST_F(PositionExchange, NexStarNotAlignedStopsBeforeThePosition) {
    Start({"--protocol", "nexstar", "--not-aligned"});
    EXPECT_EQ(Read(1, 101).status, PositionReadStatus::kNotAligned);
    EXPECT_EQ(sim_.Received(), "J");
}

TEST_F(PositionExchange, Lx200LowPrecisionIsReadHighPrecisionRefused) {
    Start({"--protocol", "lx200", "--ra", "0.7122", "--dec", "41.27"});
    PositionRead read = Read(4);
    ASSERT_EQ(read.status, PositionReadStatus::kOk) << read.reply;
    EXPECT_EQ(read.position.raHours, 0);
    EXPECT_NEAR(read.position.raMinutes, 42.7, 0.05);
    EXPECT_EQ(read.position.decDegrees, 41);
    EXPECT_NEAR(read.position.decMinutes, 16.0, 1.0);
    EXPECT_EQ(sim_.Received(), "#:GR##:GD#");
    sim_.Stop();

    Start({"--protocol", "lx200", "--high-precision", "--ra", "0.7122"});
    read = Read(4);
    EXPECT_EQ(read.status, PositionReadStatus::kInvalidRa);
    EXPECT_EQ(read.reply, "00:42:44#");  // all that came, shown whole
}

TEST_F(PositionExchange, SilenceKeepsAskingUntilTheCallerGivesUp) {
    Start({"--protocol", "nexstar", "--no-reply"});
    const PositionRead read = Read(1, 101, 400);
    EXPECT_EQ(read.status, PositionReadStatus::kAbandoned);
    const std::string asked = sim_.Received();
    EXPECT_GE(asked.size(), 3u);  // "J" again after every unanswered pause
    EXPECT_EQ(asked.find_first_not_of('J'), std::string::npos);
    EXPECT_FALSE(comm_.IsOpen(kScopeSlot));
}

TEST_F(PositionExchange, GarbageAndHangUpEndTheReadWithTheirStatus) {
    Start({"--protocol", "lx200", "--garbage"});
    const PositionReadStatus garbled = Read(4).status;
    EXPECT_TRUE(garbled == PositionReadStatus::kInvalidRa || garbled == PositionReadStatus::kInvalidDec);
    sim_.Stop();
    Start({"--protocol", "lx200", "--hang-up-after", "5"});
    EXPECT_EQ(Read(4).status, PositionReadStatus::kWriteFailed);
    EXPECT_FALSE(comm_.IsOpen(kScopeSlot));
}

}  // namespace
}  // namespace talvo
