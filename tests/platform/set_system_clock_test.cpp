// Setting the clock through a stand-in for timedatectl, so that no test changes the real clock:
// the arguments and zone it is given, and a refusal passed on in its own words.
#include "platform/set_system_clock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace talvo::platform {
namespace {

using testing::ScopedEnv;
using testing::ScratchDir;

class SetSystemClock : public ::testing::Test {
protected:
    // A program that records its arguments and TZ, says `complaint` on standard error and ends
    // with `exitCode`.
    std::string FakeProgram(const std::string& complaint, int exitCode) {
        const std::string program = dir_.File("fake-timedatectl");
        dir_.Write("fake-timedatectl", "#!/bin/sh\nprintf '%s|%s|%s\\n' \"$1\" \"$2\" \"$TZ\" > '" +
                                           dir_.File("called") + "'\necho 'ignored on standard output'\n" +
                                           (complaint.empty() ? "" : "echo '" + complaint + "' >&2\n") +
                                           "exit " + std::to_string(exitCode) + "\n");
        ::chmod(program.c_str(), 0755);
        return program;
    }

    ScratchDir dir_;
};

TEST_F(SetSystemClock, TheTimeIsGivenAsUtcWhateverTheZone) {
    ScopedEnv zone("TZ", "America/Chicago");
    const ClockSetStatus status = SetSystemClockUtc(2094, 3, 23, 12, 35, 20, FakeProgram("", 0));
    EXPECT_TRUE(status.ok);
    EXPECT_EQ(status.message, "");
    EXPECT_EQ(dir_.Read("called"), "set-time|2094-03-23 12:35:20|UTC\n");
}

TEST_F(SetSystemClock, ARefusalIsPassedOnInTheSystemsWords) {
    const ClockSetStatus status = SetSystemClockUtc(
        2026, 1, 2, 3, 4, 5, FakeProgram("Failed to set time: Automatic time synchronization is enabled", 1));
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, "Failed to set time: Automatic time synchronization is enabled");
    EXPECT_EQ(dir_.Read("called"), "set-time|2026-01-02 03:04:05|UTC\n");
}

TEST_F(SetSystemClock, AFailureWithoutWordsIsStillAFailure) {
    const ClockSetStatus status = SetSystemClockUtc(2026, 1, 2, 3, 4, 5, FakeProgram("", 3));
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.empty());
}

TEST_F(SetSystemClock, AMissingProgramIsNamed) {
    const ClockSetStatus status = SetSystemClockUtc(2026, 1, 2, 3, 4, 5, "talvo-no-such-timedatectl");
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, "talvo-no-such-timedatectl is not installed");
}

}  // namespace
}  // namespace talvo::platform
