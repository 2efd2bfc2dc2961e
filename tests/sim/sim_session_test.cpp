#include "sim/sim_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/sim_log.h"
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

TEST(SimOptions, ReadsEveryOption) {
    const SimOptions o = Options({"--protocol",
                                  "nexstar-binary",
                                  "--ra",
                                  "5.5",
                                  "--dec",
                                  "-20",
                                  "--slew-rate",
                                  "0.5",
                                  "--not-aligned",
                                  "--high-precision",
                                  "--degree-mark",
                                  "star",
                                  "--refuse-slew",
                                  "--log",
                                  "a.log",
                                  "--no-reply",
                                  "--garbage",
                                  "--hang-up-after",
                                  "12",
                                  "--link",
                                  "dev"});
    EXPECT_EQ(o.protocol, Protocol::kNexStarBinary);
    EXPECT_EQ(o.raHours, 5.5);
    EXPECT_EQ(o.decDegrees, -20.0);
    EXPECT_EQ(o.slewRate, 0.5);
    EXPECT_TRUE(o.notAligned && o.highPrecision && o.refuseSlew && o.noReply && o.garbage);
    EXPECT_EQ(o.degreeMark, '*');
    EXPECT_EQ(o.logPath, "a.log");
    EXPECT_EQ(o.hangUpAfter, 12u);
    EXPECT_EQ(o.linkPath, "dev");
    const SimOptions defaults = Options({"--protocol", "lx200"});
    EXPECT_EQ(defaults.decDegrees, 90.0);
    EXPECT_EQ(defaults.slewRate, 4.0);
    EXPECT_EQ(defaults.degreeMark, '\xDF');
    EXPECT_FALSE(defaults.hangUpAfter);
}

TEST(SimOptions, RefusesWhatCannotBeServed) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {},
             {"--protocol", "meade"},
             {"--protocol", "lx200", "--slew-rate", "0"},
             {"--protocol", "lx200", "--slew-rate", "fast"},
             {"--protocol", "lx200", "--dec", "91"},
             {"--protocol", "lx200", "--ra", "24"},
             {"--protocol", "lx200", "--hang-up-after", "-1"},
             {"--protocol", "lx200", "--degree-mark", "colon"},
             {"--protocol", "lx200", "--log"},
             {"--protocol", "lx200", "--verbose"},
         }) {
        EXPECT_NE(ParseSimOptions(arguments).error, "") << ::testing::PrintToString(arguments);
    }
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

TEST(SimLog, HexAndTextOfEveryByte) {
    EXPECT_EQ(FormatLogLine(1234, Direction::kReceived, "R1A2B,3C4D"),
              "1234 rx 52 31 41 32 42 2C 33 43 34 44  |R1A2B,3C4D|");
    EXPECT_EQ(FormatLogLine(0, Direction::kSent, "\x00 ~\x7F\xDF|"s), "0 tx 00 20 7E 7F DF 7C  |. ~..||");
}

}  // namespace
}  // namespace talvo::sim
