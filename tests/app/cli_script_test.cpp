// talvo-cli script: the window's script processor without a window, against the telescope
// simulator, with its exit codes, its log and the lines it writes to standard error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog_fixture.h"
#include "cli_run.h"
#include "forms/home_location.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::CatalogLine;
using testing::CliRun;

// MESSIER.TLV in a scratch folder that stands for the program's folder; the site 40.5 N 74.25 W,
// five hours west of UTC, the computer's clock at 2026-12-06 21:30:00.
class CliScriptTest : public ::testing::Test {
protected:
    CliScriptTest() {
        testing::WriteCatalog(dir.File("MESSIER.TLV"),
                              {CatalogLine({"M42", "NGC 1976"}, 5.5881, -5.3911, 4.0),
                               CatalogLine({"M31", "NGC 224"}, 0.7123, 41.2689, 3.4)});
    }

    static CliRun Script(std::vector<std::string> args) {
        args.insert(args.begin(), "script");
        args.insert(args.end(), {"--lat", "40.5", "--lon", "74.25", "--utc-offset", "5"});
        return testing::RunCliAt(args);
    }

    std::vector<std::string> CommandLines() const {
        std::vector<std::string> lines;
        for (const std::string& line : testing::CrLfLines(testing::ReadFile(dir.File("TALVOLOG.TXT")))) {
            if (line.rfind("Command ", 0) == 0 || line == "Exit time detected") lines.push_back(line);
        }
        return lines;
    }

    testing::TempDir dir;
    testing::ScopedEnv talvoDir{"TALVO_DIR", dir.path()};
};

TEST_F(CliScriptTest, CatalogFindAndGotoDriveTheTelescopeAndEndWithZero) {
    testing::SimProcess sim;
    ASSERT_TRUE(sim.Start({"--protocol", "lx200"}));
    testing::ScopedEnv port("TALVO_COM3", sim.DevicePath());
    const CliRun run = Script({"CAT=MESSIER.TLV;FIND=M42;GOTO=1", "--scope-model", "401", "--port", "3"});
    EXPECT_EQ(run.code, 0) << run.err;
    const std::string bytes = "#:Sr 05:36.6##:Sd -05*22##:MS#";
    ASSERT_TRUE(sim.WaitReceived(bytes.size(), 2000));
    EXPECT_EQ(sim.Received(), bytes);
    const std::vector<std::string> expected{"Command 1: CAT=MESSIER.TLV Successful",
                                            "Command 2: FIND=M42 Successful", "Command 3: GOTO=1 Successful"};
    EXPECT_EQ(CommandLines(), expected);
    EXPECT_EQ(run.err,
              "talvo-cli script: Command 1: CAT=MESSIER.TLV Successful\n"
              "talvo-cli script: Command 2: FIND=M42 Successful\n"
              "talvo-cli script: Command 3: GOTO=1 Successful\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(CliScriptTest, TheHomeFilesModelQuestionIsAnsweredWithoutAWord) {
    SessionState saved;
    saved.appDir = dir.path();
    saved.homeFileName = "TALVO.HOM";
    saved.firstUseDate = kFirstUseUnset + 1.0;
    saved.scope.scopeModel = 401;  // a Meade model: loading it asks whether it has a GPS
    saved.scope.scopeType = 4;
    saved.scope.scopePort = 3;
    ASSERT_TRUE(SaveHomeFile(saved, nullptr).ok);
    const CliRun run = Script({"CAT=MESSIER.TLV"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "talvo-cli script: Command 1: CAT=MESSIER.TLV Successful\n");
}

TEST_F(CliScriptTest, AFailureOrTheExitTimeEndsWithItsCode) {
    CliRun run = Script({"CAT=MESSIER.TLV;FIND=NOSUCHTHING;PLANET=5"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(CommandLines().back(), "Command 2: FIND=NOSUCHTHING Error: Object not found in MESSIER.TLV");
    EXPECT_NE(run.err.find(
                  "talvo-cli script: Command 2: FIND=NOSUCHTHING Error: Object not found in MESSIER.TLV\n"),
              std::string::npos)
        << run.err;

    run = Script({"EXIT=21:00;PLANET=5"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(CommandLines().back(), "Exit time detected");

    run = Script({"PLANET=5;STAY=1;PLANET=6"});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.err.find("without a window it ends here"), std::string::npos) << run.err;
}

TEST_F(CliScriptTest, AScriptFileHoldsTheSameCommands) {
    testing::WriteFile(dir.File("night.txt"), "CAT=MESSIER.TLV\r\n\r\nFIND=M31;PLANET=4\r\n");
    const CliRun run = Script({"--script", dir.File("night.txt")});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(CommandLines().size(), 3u);
    EXPECT_EQ(CommandLines().back(), "Command 3: PLANET=4 Successful");
}

TEST_F(CliScriptTest, ScriptsThatCannotRunAreRefusedBeforeAnyCommand) {
    std::string many;
    for (int i = 0; i < 26; ++i) many += "PLANET=5;";
    CliRun run = Script({many});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(
        run.err,
        "talvo-cli script: the script has 26 commands, more than the 25 a script may have; none was run\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("TALVOLOG.TXT")));

    run = Script({"--script", dir.File("missing.txt")});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("cannot read the script file"), std::string::npos) << run.err;
    EXPECT_EQ(Script({}).code, 2);
    EXPECT_EQ(Script({"PLANET=5", "--script", dir.File("missing.txt")}).code, 2);
}

}  // namespace
}  // namespace talvo
