#include "sim/sim_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/sim_options.h"

namespace talvo::sim {
namespace {

using namespace std::string_literals;

SimOptions Options(const std::vector<std::string>& arguments) {
    const ParsedOptions parsed = ParseSimOptions(arguments);
    EXPECT_EQ(parsed.error, "");
    return parsed.options;
}

// Garbage bytes from a fixed sequence: 3, 4, 5, ...
std::function<std::uint8_t()> Counter() {
    return [next = std::uint8_t{2}]() mutable { return ++next; };
}

TEST(SimSession, NoReplyServesCommandsButSendsNothing) {
    SimSession session(Options({"--protocol", "nexstar-binary", "--no-reply"}), Counter());
    EXPECT_EQ(session.Receive("?R\x00\x00\x00\x00"s, 0.0).reply, "");
    EXPECT_EQ(session.GetMount().SlewCount(), 1);
    EXPECT_EQ(session.Tick(100.0), "");  // not even the arrival
}

TEST(SimSession, GarbageAnswersEveryCommandIncludingSilentOnes) {
    SimSession session(Options({"--protocol", "lx200", "--garbage"}), Counter());
    // Two commands: 1 + 3 % 12 = 4 bytes (4 5 6 7), then 1 + 8 % 12 = 9 bytes (9 to 17).
    const std::string reply = session.Receive(":Sr 05:34.5#:Q#:Sd", 0.0).reply;
    EXPECT_EQ(reply, "\x04\x05\x06\x07\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10\x11"s);
}

TEST(SimSession, HangUpServesBytesUpToTheLimitOnly) {
    SimSession session(Options({"--protocol", "nexstar", "--hang-up-after", "3"}), Counter());
    const SessionOutput first = session.Receive("Ka", 0.0);
    EXPECT_EQ(first.reply, "a#");
    EXPECT_FALSE(first.hangUp);
    const SessionOutput second = session.Receive("JE", 0.0);
    EXPECT_EQ(second.reply, "\x01#"s);  // E lies past the limit
    EXPECT_TRUE(second.hangUp);
}

}  // namespace
}  // namespace talvo::sim
