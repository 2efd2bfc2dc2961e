// talvo-sim run as a program, reached through TALVO's own serial layer: the arrival its clock
// announces, the link it makes, and arguments it refuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "platform/serial_port.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using namespace std::string_literals;
using Clock = std::chrono::steady_clock;
using platform::CommIO;
using testing::ScopedEnv;
using testing::SimProcess;

constexpr std::int16_t kSlot = 3;
constexpr const char* kMode = "baud=9600 parity=N data=8 stop=1";
constexpr int kPromptlyMs = 3000;  // generous bound for anything that must come without waiting

class SimEndToEnd : public ::testing::Test {
protected:
    // Starts the simulator and opens its device on slot 3 as COM91.
    void Open(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim_.Start(arguments));
        com_.emplace("TALVO_COM91", sim_.DevicePath());
        io_.SetTimeouts(
            {.readInterval = 100, .readTotalConstant = 200, .readTotalPerByte = 1, .writeTotalPerByte = 100});
        ASSERT_EQ(io_.CommOpen(kSlot, "COM91", kMode), 0) << io_.CommLastError().message;
    }

    // Reads until `count` bytes came, a read fails or the bound passes.
    std::string ReadAtLeast(std::size_t count) {
        std::string all;
        const auto end = Clock::now() + std::chrono::milliseconds(kPromptlyMs);
        while (all.size() < count && Clock::now() < end) {
            std::string data;
            const std::int32_t got = io_.CommRead(kSlot, data, static_cast<std::int32_t>(count - all.size()));
            if (got < 0) break;
            all += data;
            if (got == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return all;
    }

    SimProcess sim_;
    std::optional<ScopedEnv> com_;
    CommIO io_;
};

TEST_F(SimEndToEnd, FirstNexStarAnnouncesTheEndOfItsGoto) {
    Open({"--protocol", "nexstar-binary", "--slew-rate", "100"});
    ASSERT_EQ(io_.CommWrite(kSlot, "?"), 1);
    EXPECT_EQ(ReadAtLeast(1), "#");
    ASSERT_EQ(io_.CommWrite(kSlot, "R\x10\x00\x08\x00"s), 5);
    EXPECT_EQ(ReadAtLeast(1), "@");
    EXPECT_EQ(sim_.Received(), "?R\x10\x00\x08\x00"s);
}

TEST(SimProcessLink, LinkStandsForTheDeviceWhileTheSimulatorRuns) {
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() / ("talvo-sim-link-" + std::to_string(::getpid()));
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--protocol", "gt-binary", "--link", link.string()}));
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.DevicePath());
    sim.Stop();
    EXPECT_FALSE(std::filesystem::is_symlink(link));
    EXPECT_EQ(sim.Pid(), -1);
}

TEST(SimProcessStart, RefusedArgumentsDoNotStart) {
    SimProcess sim;
    EXPECT_FALSE(sim.Start({"--protocol", "meade"}));
    EXPECT_EQ(sim.Pid(), -1);
}

}  // namespace
}  // namespace talvo
