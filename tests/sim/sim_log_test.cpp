#include "sim/sim_log.h"

#include <gtest/gtest.h>

#include <string>

namespace talvo::sim {
namespace {

using namespace std::string_literals;

TEST(SimLog, HexAndTextOfEveryByte) {
    EXPECT_EQ(FormatLogLine(1234, Direction::kReceived, "R1A2B,3C4D"),
              "1234 rx 52 31 41 32 42 2C 33 43 34 44  |R1A2B,3C4D|");
    EXPECT_EQ(FormatLogLine(0, Direction::kSent, "\x00 ~\x7F\xDF|"s), "0 tx 00 20 7E 7F DF 7C  |. ~..||");
}

}  // namespace
}  // namespace talvo::sim
