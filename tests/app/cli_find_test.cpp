#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog_fixture.h"
#include "cli_run.h"
#include "support/scoped_env.h"

namespace talvo {
namespace {

using testing::CatalogLine;

using testing::CliRun;

// The catalog "cat.tlv" and the matches file live in a scratch folder that stands for the
// program's folder. The site is 40.5 N 74.25 W at 01:30 local time on 2026-12-07, when the
// sidereal time is 6h37m: the entries at 6.6 h and +41 degrees stand overhead.
class CliFindTest : public ::testing::Test {
protected:
    // `find` with `args`, then the catalog of the scratch folder, the site and the moment.
    CliRun Find(std::vector<std::string> args, const std::string& catalog = "cat.tlv",
                const std::string& date = "2026-12-07", const std::string& time = "01:30:00") {
        args.insert(args.begin(), "find");
        args.insert(args.end(), {"--catalog", dir.File(catalog)});
        return Run(args, date, time);
    }

    // `args` at the site and the moment.
    static CliRun Run(std::vector<std::string> args, const std::string& date, const std::string& time) {
        args.insert(args.end(),
                    {"--lat", "40.5", "--lon", "74.25", "--utc-offset", "5", "--date", date, "--time", time});
        return testing::RunCliAt(args, {2026, 12, 7, 1, 30, 0});
    }

    void UseCatalog(const std::vector<std::string>& lines) {
        testing::WriteCatalog(dir.File("cat.tlv"), lines);
    }

    static std::string High(const std::vector<std::string>& names, double magnitude = 5.0) {
        return CatalogLine(names, 6.6, 41.0, magnitude);
    }

    testing::TempDir dir;
    testing::ScopedEnv talvoDir{"TALVO_DIR", dir.path()};
};

TEST_F(CliFindTest, PrintsEveryMatchThenTheClosingMessage) {
    UseCatalog({High({"M31", "NGC 224"}, 3.44), High({"HR 1"}), High({"M32", "NGC 221"}, 8.08)});
    CliRun run = Find({"m 3"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind(" 1. M31          ,NGC 224      ,", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\u00B0,    Mag= 3.4,"), std::string::npos);
    EXPECT_NE(run.out.find("\n 2. M32 "), std::string::npos);
    EXPECT_EQ(run.out.find("HR 1"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.rfind('\n', run.out.size() - 2)),
              "\nNo More Matches for M3  found in Catalog cat.tlv\n");
    // The matches file lists the same, in the program's code page.
    EXPECT_NE(testing::ReadFile(dir.File("MATCHES.TXT")).find("\xB0,    Mag= 3.4,"), std::string::npos);
}

TEST_F(CliFindTest, ExitCodeOneWhenNothingIsFound) {
    UseCatalog({High({"M31"}, 3.44)});
    CliRun run = Find({"ZZZ"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "Object ZZZ  Not Found in Catalog cat.tlv\n");

    // Unattended, the altitude window binds: the object overhead is above 30 degrees.
    run = Find({"M31", "--max-alt", "30", "--max-mag", "4"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "No More Matches for M31  found in Catalog cat.tlv\nBelow  30 Degrees\nBrighter than Mag 4\n");
}

TEST_F(CliFindTest, ExitCodeTwoForACatalogThatCannotBeOpenedOrBadOptions) {
    CliRun missing = Find({"M31"}, "missing.tlv");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "talvo-cli find: CANNOT OPEN CATALOG missing.tlv\n");
    UseCatalog({High({"M31"})});
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"M31", "--min-alt", "abc"},
                                                 {"M31", "--max-mag", "1e1"},
                                                 {"M31", "--best-of"},
                                                 {"NGC", "7009"},
                                                 {"M31", "--second"},
                                                 {"M31", "--colour", "red"}}) {
        CliRun run = Find(args);
        EXPECT_EQ(run.code, 2) << args.size();
        EXPECT_TRUE(run.out.empty() && !run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

// Best of the Sky judges a planet where the window shows it: at its position of date, not of 2000.
TEST_F(CliFindTest, BestOfPlanetsStandWhereTheWindowShowsThem) {
    testing::WriteCatalog(dir.File("planets.tlv"),
                          {"!Planet=05&^05          05", "!Planet=06&^05          05"});
    CliRun run = Find({"--best-of"}, "planets.tlv", "2026-12-15", "23:30:00");
    ASSERT_EQ(run.code, 0) << run.err;
    std::istringstream lines(run.out);
    for (const int body : {5, 6}) {
        std::string line;
        ASSERT_TRUE(std::getline(lines, line));
        const std::size_t at = line.find("Alt=");
        ASSERT_NE(at, std::string::npos) << line;
        CliRun shown = Run({"show", "--planet", std::to_string(body), "--json"}, "2026-12-15", "23:30:00");
        ASSERT_EQ(shown.code, 0) << shown.err;
        const double altitude = nlohmann::json::parse(shown.out).at("altitude").get<double>();
        EXPECT_NEAR(std::stod(line.substr(at + 4)), altitude, 0.1) << "body " << body;
    }
}

TEST_F(CliFindTest, ExitCodeTwoWhenTheMatchesFileCannotBeWritten) {
    UseCatalog({High({"M31"})});
    testing::WriteFile(dir.File("MATCHES.TXT"), "an older search\r\n");
    std::filesystem::create_directory(dir.File("MATCHES.TXT.tmp"));
    CliRun run = Find({"M31"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err.rfind("talvo-cli find: the matches file ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("could not be written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("MATCHES.TXT")));
}

}  // namespace
}  // namespace talvo
