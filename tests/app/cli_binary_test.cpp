// The built talvo-cli run as a process, as scripts run it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace talvo {
namespace {

struct Process {
    int exitCode = -1;
    std::string out;
};

Process RunTalvoCli(const std::string& arguments) {
    std::string command =
        std::string("\"") + std::getenv("TALVO_BIN_DIR") + "/talvo-cli\" " + arguments + " 2>/dev/null";
    Process result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[512];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, got);
    int status = pclose(pipe);
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
}

TEST(TalvoCliProgram, PrintsUtf8AndExitsWithTheRightCode) {
    if (std::getenv("TALVO_BIN_DIR") == nullptr) GTEST_SKIP() << "TALVO_BIN_DIR is set by CTest";
    Process show = RunTalvoCli(
        "show --lat 40.5 --lon 74.25 --utc-offset 5 --date 2026-12-06 "
        "--time 21:30:00 --ra 5.588 --dec -5.39");
    EXPECT_EQ(show.exitCode, 0);
    EXPECT_NE(show.out.find("Altitude: Altitude = 28\xC2\xB0 21'\n"), std::string::npos) << show.out;
    for (std::size_t at = show.out.find('\xB0'); at != std::string::npos;
         at = show.out.find('\xB0', at + 1)) {
        ASSERT_TRUE(at > 0 && show.out[at - 1] == '\xC2') << "a degree sign in the code page, not UTF-8";
    }
    EXPECT_EQ(RunTalvoCli("show --lat 91").exitCode, 2);
    EXPECT_EQ(RunTalvoCli("").exitCode, 2);
}

}  // namespace
}  // namespace talvo
