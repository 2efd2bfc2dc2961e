// talvo-sim run as a program, reached through TALVO's own serial layer.
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

    void WriteEachByte(const std::string& bytes, int pauseMs) {
        for (const char c : bytes) {
            ASSERT_EQ(io_.CommWrite(kSlot, std::string(1, c)), 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        }
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

TEST_F(SimEndToEnd, PacedCelestronGotoIsLoggedAndAnswered) {
    Open({"--protocol", "nexstar", "--slew-rate", "1000"});
    WriteEachByte("R1A2B,3C4D", 5);
    ASSERT_TRUE(sim_.WaitReceived(10, kPromptlyMs));
    EXPECT_EQ(sim_.Received(), "R1A2B,3C4D");
    EXPECT_EQ(ReadAtLeast(1), "#");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the slew takes under 0.1 s
    ASSERT_EQ(io_.CommWrite(kSlot, "E"), 1);
    EXPECT_EQ(ReadAtLeast(10), "1A2B,3C4D#");
    EXPECT_EQ(sim_.Sent(), "#1A2B,3C4D#");
}

TEST_F(SimEndToEnd, Lx200GotoThenPositionQueries) {
    Open({"--protocol", "lx200", "--slew-rate", "1000", "--degree-mark", "star"});
    ASSERT_EQ(io_.CommWrite(kSlot, "#:Sr 05:34.5##:Sd -05*23##:MS#"), 30);
    EXPECT_EQ(ReadAtLeast(3), "110");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(io_.CommWrite(kSlot, "#:GR#"), 5);
    EXPECT_EQ(ReadAtLeast(8), "05:34.5#");
    ASSERT_EQ(io_.CommWrite(kSlot, "#:GD#"), 5);
    EXPECT_EQ(ReadAtLeast(7), "-05*23#");
}

TEST_F(SimEndToEnd, FirstNexStarAnnouncesTheEndOfItsGoto) {
    Open({"--protocol", "nexstar-binary", "--slew-rate", "100"});
    WriteEachByte("?", 5);
    EXPECT_EQ(ReadAtLeast(1), "#");
    WriteEachByte("R\x10\x00\x08\x00"s, 5);
    EXPECT_EQ(ReadAtLeast(1), "@");
    EXPECT_EQ(sim_.Received(), "?R\x10\x00\x08\x00"s);
}

TEST_F(SimEndToEnd, NoReplyLeavesReadsEmpty) {
    Open({"--protocol", "lx200", "--no-reply"});
    ASSERT_EQ(io_.CommWrite(kSlot, "#:GR#"), 5);
    ASSERT_TRUE(sim_.WaitReceived(5, kPromptlyMs));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::string data = "old";
    EXPECT_EQ(io_.CommRead(kSlot, data, 8), 0);
    EXPECT_EQ(data, "");
    EXPECT_TRUE(io_.IsOpen(kSlot));
    EXPECT_EQ(sim_.Sent(), "");
}

TEST_F(SimEndToEnd, HangUpFailsTheReadAndClosesTheSlot) {
    Open({"--protocol", "lx200", "--hang-up-after", "5"});
    ASSERT_EQ(io_.CommWrite(kSlot, "#:GR#"), 5);
    std::int32_t status = 0;
    const auto end = Clock::now() + std::chrono::milliseconds(kPromptlyMs);
    std::string data;
    while (status >= 0 && Clock::now() < end) {
        status = io_.CommRead(kSlot, data, 8);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(status, -1);
    EXPECT_FALSE(io_.IsOpen(kSlot));
    EXPECT_EQ(sim_.Received(), "#:GR#");
}

TEST_F(SimEndToEnd, HangUpFailsTheWriteAndClosesTheSlot) {
    Open({"--protocol", "nexstar", "--hang-up-after", "1"});
    std::int32_t status = io_.CommWrite(kSlot, "K");
    const auto end = Clock::now() + std::chrono::milliseconds(kPromptlyMs);
    while (status >= 0 && Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        status = io_.CommWrite(kSlot, "x");
    }
    EXPECT_EQ(status, -1);
    EXPECT_FALSE(io_.IsOpen(kSlot));
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
