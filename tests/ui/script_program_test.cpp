// The window program run with a script, as an observer's cron job would run it: no display (the
// offscreen platform), the telescope simulator on COM3, and only the exit code and the log to
// tell how it went.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "catalog/catalog_fixture.h"
#include "session/home_file_format.h"
#include "session/home_record.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

class ScriptProgram : public ::testing::Test {
protected:
    // MESSIER.TLV and a home file past its first run naming an LX200 on COM3, in a scratch folder
    // that stands for the program's folder.
    ScriptProgram() {
        testing::WriteCatalog(dir.File("MESSIER.TLV"),
                              {testing::CatalogLine({"M42", "NGC 1976"}, 5.5881, -5.3911, 4.0)});
        SessionState saved;
        saved.firstUseDate = 2461016.5;
        saved.scope.scopeType = 4;
        saved.scope.scopeModel = 401;
        saved.scope.scopePort = 3;
        std::ofstream(dir.File("TALVO.HOM"), std::ios::binary) << EncodeHomeFile(RecordFromSession(saved));
    }

    // Runs TALVO_BIN_DIR/talvo with `arguments` and COM3 on `device`; its exit code, or -1 when it
    // did not end within a minute (it is then killed).
    int Run(const std::vector<std::string>& arguments, const std::string& device = "/dev/null") {
        std::vector<std::string> words{std::string(std::getenv("TALVO_BIN_DIR")) + "/talvo"};
        words.insert(words.end(), arguments.begin(), arguments.end());
        const pid_t child = ::fork();
        if (child == 0) {
            std::vector<char*> argv;
            for (std::string& word : words) argv.push_back(word.data());
            argv.push_back(nullptr);
            ::setenv("TALVO_DIR", dir.path().c_str(), 1);
            ::setenv("TALVO_COM3", device.c_str(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        int status = 0;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= end) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::vector<std::string> CommandLines() const {
        std::vector<std::string> lines;
        for (const std::string& line : testing::CrLfLines(testing::ReadFile(dir.File("TALVOLOG.TXT")))) {
            if (line.rfind("Command ", 0) == 0) lines.push_back(line);
        }
        return lines;
    }

    testing::TempDir dir;
};

TEST_F(ScriptProgram, RunsTheCommandsAndEndsWithZero) {
    testing::SimProcess sim;
    ASSERT_TRUE(sim.Start({"--protocol", "lx200"}));
    // A point 45 degrees up in the south stands high enough for a GoTo at any hour.
    EXPECT_EQ(Run({"CAT=MESSIER.TLV;FIND=M42;ALT=45D0M AZ=180D0M;GOTO=1"}, sim.DevicePath()), 0);
    const std::vector<std::string> expected{
        "Command 1: CAT=MESSIER.TLV Successful", "Command 2: FIND=M42 Successful",
        "Command 3: ALT=45D0M AZ=180D0M Successful", "Command 4: GOTO=1 Successful"};
    EXPECT_EQ(CommandLines(), expected);
    ASSERT_TRUE(sim.WaitReceived(30, 2000));
    EXPECT_EQ(sim.Received().rfind("#:Sr ", 0), 0u) << sim.Received();
    EXPECT_NE(sim.Received().find(":MS#"), std::string::npos) << sim.Received();
}

TEST_F(ScriptProgram, AFailedCommandEndsWithItsCodeAndATooLongScriptRunsNothing) {
    EXPECT_EQ(Run({"CAT=MESSIER.TLV;FIND=NOSUCHTHING;PLANET=5"}), 2);
    EXPECT_EQ(CommandLines().back(), "Command 2: FIND=NOSUCHTHING Error: Object not found in MESSIER.TLV");
    testing::WriteFile(dir.File("script.txt"), "PLANET=5\nMATCH=1\n");
    EXPECT_EQ(Run({"--script", dir.File("script.txt")}), 1);
    EXPECT_EQ(CommandLines().back(), "Command 2: MATCH=1 Error: Match not found");

    std::remove(dir.File("TALVOLOG.TXT").c_str());
    std::string many;
    for (int i = 0; i < 26; ++i) many += "PLANET=5;";
    EXPECT_EQ(Run({many}), 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("TALVOLOG.TXT")));
}

// Without a home file the window would say so and ask the first run's questions; a script is
// asked nothing and runs with the defaults.
TEST_F(ScriptProgram, RunsWithoutAHomeFileAskingNothing) {
    std::remove(dir.File("TALVO.HOM").c_str());
    EXPECT_EQ(Run({"PLANET=5"}), 0);
    EXPECT_EQ(CommandLines().back(), "Command 1: PLANET=5 Successful");
}

}  // namespace
}  // namespace talvo
