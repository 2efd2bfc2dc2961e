// talvo-cli's site and telescope from a home location file: --home, the default TALVO.HOM, the
// options that win over the file, and a file that cannot be read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "forms/home_location.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::CliRun;

// The scratch folder stands for the program's folder (TALVO_DIR). COM3 and COM7 name devices
// that are not there, so a telescope command shows which port it was given by failing on it.
class CliHomeTest : public ::testing::Test {
protected:
    // Saves a home file for 40.5 N 74.25 W with a NexStar (101) on COM3 working in J2000.
    std::string SaveHome(const std::string& name) {
        SessionState saved;
        saved.appDir = dir.path();
        saved.homeFileName = name;
        SetSite(saved.site, 40.5, 74.25);
        saved.scope.scopeModel = 101;
        saved.scope.scopeType = 1;
        saved.scope.scopePort = 3;
        saved.scope.fixedEpoch = 2000.0;
        saved.firstUseDate = 2461000.5;
        EXPECT_TRUE(SaveHomeFile(saved, {}).ok);
        return dir.File(name);
    }

    // `show --json` of the Orion Nebula in real time at the test's moment, five hours west.
    static CliRun Show(std::vector<std::string> args) {
        args.insert(args.begin(), {"show", "--json", "--utc-offset", "5", "--ra", "5.588", "--dec", "-5.39"});
        return testing::RunCliAt(args);
    }

    testing::ScratchDir dir;
    testing::ScopedEnv talvoDir{"TALVO_DIR", dir.path()};
    testing::ScopedEnv com3{"TALVO_COM3", dir.File("no-such-device-3")};
    testing::ScopedEnv com7{"TALVO_COM7", dir.File("no-such-device-7")};
};

TEST_F(CliHomeTest, TheSiteAndTheFixedEpochComeFromTheHomeFile) {
    const CliRun given = Show({"--lat", "40.5", "--lon", "74.25", "--fixed-epoch", "2000"});
    ASSERT_EQ(given.code, 0) << given.err;
    const CliRun atZero = Show({});  // no home file: the defaults, silently
    EXPECT_EQ(atZero.code, 0);
    EXPECT_EQ(atZero.err, "");
    EXPECT_NE(atZero.out, given.out);

    const CliRun fromFile = Show({"--home", SaveHome("SITE.HOM")});
    EXPECT_EQ(fromFile.code, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, given.out);
    // TALVO.HOM of the program's folder is read without being named.
    SaveHome("TALVO.HOM");
    const CliRun byDefault = Show({});
    EXPECT_EQ(byDefault.out, given.out);
    EXPECT_EQ(byDefault.err, "");
}

TEST_F(CliHomeTest, OptionsWinOverTheFileAndOneCoordinateKeepsTheOther) {
    const std::string home = SaveHome("SITE.HOM");
    EXPECT_EQ(Show({"--home", home, "--lat", "10"}).out,
              Show({"--lat", "10", "--lon", "74.25", "--fixed-epoch", "2000"}).out);
    EXPECT_EQ(Show({"--home", home, "--lon", "-20"}).out,
              Show({"--lat", "40.5", "--lon", "-20", "--fixed-epoch", "2000"}).out);
    EXPECT_EQ(Show({"--home", home, "--fixed-epoch", "1950"}).out,
              Show({"--lat", "40.5", "--lon", "74.25", "--fixed-epoch", "1950"}).out);
}

TEST_F(CliHomeTest, AHomeFileNamedThatCannotBeReadIsRefused) {
    CliRun run = Show({"--home", dir.File("MISSING.HOM")});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot read the home location file " + dir.File("MISSING.HOM")),
              std::string::npos)
        << run.err;

    dir.Write("BAD.HOM", "not a home file");
    run = testing::RunCliAt({"find", "M31", "--home", dir.File("BAD.HOM")});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("(it is not a home location file)"), std::string::npos) << run.err;

    // A broken default file is passed over as a missing one is.
    dir.Write("TALVO.HOM", "not a home file");
    run = Show({});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
}

TEST_F(CliHomeTest, TheTelescopeAndItsPortComeFromTheFileUnlessGiven) {
    const std::string home = SaveHome("SITE.HOM");
    CliRun run = testing::RunCliAt({"scope-position", "--home", home, "--timeout", "0.2"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("UNABLE TO OPEN COM 3"), std::string::npos) << run.err;

    run = testing::RunCliAt({"scope-position", "--home", home, "--port", "7", "--timeout", "0.2"});
    EXPECT_NE(run.err.find("UNABLE TO OPEN COM 7"), std::string::npos) << run.err;

    // A first-generation NexStar (201) given on the command line replaces the file's model.
    run = testing::RunCliAt({"scope-position", "--home", home, "--scope-model", "201"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("only NexStar-family (type 1)"), std::string::npos) << run.err;

    run = testing::RunCliAt({"goto", "--home", home, "--ra", "5.575", "--dec", "-5.38", "--lat", "40.5",
                             "--lon", "74.25", "--utc-offset", "5", "--date", "2026-12-06", "--time",
                             "21:30:00"});
    EXPECT_NE(run.err.find("COM 3"), std::string::npos) << run.err;

    // Without a file, the telescope must be given.
    run = testing::RunCliAt({"goto", "--planet", "5", "--port", "3"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("give --scope-model"), std::string::npos) << run.err;
    run = testing::RunCliAt({"scope-position", "--scope-model", "101"});
    EXPECT_NE(run.err.find("give --port"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace talvo
