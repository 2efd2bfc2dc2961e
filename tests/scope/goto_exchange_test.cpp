// GoTo played to the telescope simulator on a pseudo-terminal: the bytes each family receives,
// the LX200 slew refusal, a telescope that never answers and one that goes away mid-command.
#include "scope/goto_exchange.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::ScopedEnv;
using testing::SimProcess;

// Orion's belt region: 5h 34.5m, -5 deg 23'.
constexpr GotoPosition kTarget{5, 34.5, -5, 23.0, 1};

class GotoExchange : public ::testing::Test {
protected:
    // Starts the simulator and makes it COM 3.
    void Start(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim_.Start(arguments));
        port_.emplace("TALVO_COM3", sim_.DevicePath());
    }

    GotoOutcome Goto(int type, int model) {
        ScopeSettings scope;
        scope.scopeType = type;
        scope.scopeModel = model;
        scope.scopePort = 3;
        return RunGoto(comm_, scope, kTarget, ExchangeHooks{});
    }

    static std::string Bytes(const GotoCommand& command) {
        std::string bytes;
        for (const GotoStep& step : command.steps) bytes += step.bytes;
        return bytes;
    }

    SimProcess sim_;
    std::optional<ScopedEnv> port_;
    platform::CommIO comm_;
};

TEST_F(GotoExchange, EachFamilyReceivesExactlyItsCommand) {
    const struct {
        const char* protocol;
        int type, model;
    } cases[] = {{"nexstar", 1, 101},   {"nexstar", 1, 109}, {"nexstar-binary", 2, 201},
                 {"gt-binary", 3, 301}, {"lx200", 4, 401},   {"lx200", 4, 402}};
    for (const auto& c : cases) {
        Start({"--protocol", c.protocol});
        const GotoOutcome outcome = Goto(c.type, c.model);
        const std::string expected = Bytes(EncodeGoto(c.type, c.model, kTarget));
        EXPECT_EQ(outcome.result, GotoResult::kSent) << c.model;
        EXPECT_EQ(outcome.written, expected) << c.model;
        ASSERT_TRUE(sim_.WaitReceived(expected.size(), 2000)) << c.model;
        EXPECT_EQ(sim_.Received(), expected) << c.model;
        EXPECT_TRUE(outcome.slewRefusal.empty()) << c.model;
        EXPECT_FALSE(comm_.IsOpen(kScopeSlot));
        sim_.Stop();
    }
}

TEST_F(GotoExchange, Lx200RefusalIsReadAndTheNextGotoStartsClean) {
    Start({"--protocol", "lx200", "--refuse-slew"});
    GotoOutcome outcome = Goto(4, 401);
    EXPECT_EQ(outcome.result, GotoResult::kSent);
    EXPECT_EQ(outcome.slewRefusal, "Object Below Horizon");
    // A telescope that says nothing: the command still went, and nothing is made up.
    sim_.Stop();
    Start({"--protocol", "lx200", "--no-reply"});
    outcome = Goto(4, 401);
    EXPECT_EQ(outcome.result, GotoResult::kSent);
    EXPECT_TRUE(outcome.slewRefusal.empty());
}

TEST_F(GotoExchange, DeviceThatGoesAwayMidCommandFailsTheWriteAndFreesTheSlot) {
    Start({"--protocol", "nexstar", "--hang-up-after", "3"});
    const GotoOutcome outcome = Goto(1, 101);
    EXPECT_EQ(outcome.result, GotoResult::kWriteFailed);
    EXPECT_LT(outcome.written.size(), 10u);
    EXPECT_FALSE(outcome.portDetail.empty());
    EXPECT_FALSE(comm_.IsOpen(kScopeSlot));
}

TEST_F(GotoExchange, MissingDeviceAndNoTelescopeWriteNothing) {
    port_.emplace("TALVO_COM3", "/dev/no-such-telescope");
    GotoOutcome outcome = Goto(1, 101);
    EXPECT_EQ(outcome.result, GotoResult::kOpenFailed);
    EXPECT_FALSE(outcome.portDetail.empty());
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_EQ(Goto(0, kNoGotoModel).result, GotoResult::kNoTelescope);
    EXPECT_EQ(Goto(5, 501).result, GotoResult::kSkyChart);
}

}  // namespace
}  // namespace talvo
