// Other programs started with an argument vector: words reach them whole, and a program that
// cannot be started says so.
#include "platform/program_start.h"

#include <gtest/gtest.h>

namespace talvo::platform {
namespace {

TEST(ProgramStart, ArgumentsArriveWholeAndUninterpreted) {
    const std::optional<std::string> printed =
        ProgramOutput("printf", {"[%s]", "two words", "$HOME", "a;b", "\"quoted\"", ""});
    ASSERT_TRUE(printed.has_value());
    EXPECT_EQ(*printed, "[two words][$HOME][a;b][\"quoted\"][]");
}

TEST(ProgramStart, StartingAMissingProgramFailsWithTheReason) {
    const ProgramStartStatus missing = StartProgram("/nonexistent/folder/skychart", {"--unique"});
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_FALSE(StartProgram("/etc/hostname", {}).ok);    // a file that is not a program
    EXPECT_FALSE(ProgramOutput("false", {}).has_value());  // a failure prints nothing usable
}

}  // namespace
}  // namespace talvo::platform
