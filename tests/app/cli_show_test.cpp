#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <utility>

#include "cli_run.h"

namespace talvo {
namespace {

using testing::CliRun;

// The words of `command`, run with the computer's clock at 2026-12-06 21:30:00.
CliRun Cli(const std::string& command) {
    std::istringstream words(command);
    return testing::RunCliAt(
        {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()});
}

// 2026-12-06 21:30 EST at 40.5 N 74.25 W, then what is shown: M42, or a body.
const std::string kEvening = "show --lat 40.5 --lon 74.25 --utc-offset 5 --date 2026-12-06 --time 21:30:00 ";
const std::string kM42 = kEvening + "--ra 5.588 --dec -5.39";

// The text of the line "name: text".
std::string Field(const std::string& out, const std::string& name) {
    std::smatch m;
    return std::regex_search(out, m, std::regex("(^|\n)" + name + ": ([^\n]*)\n")) ? m[2].str() : "(missing)";
}

// The JSON printed, parsed back; a discarded value when it is not JSON.
nlohmann::ordered_json Json(const CliRun& run) {
    return nlohmann::ordered_json::parse(run.out, nullptr, false);
}

// M42 from 40.5 N at sidereal time 2h36.5m is three hours east of the meridian, 28 degrees up
// in the south-east (126 deg 52.6' by an independent reduction); rigorous precession to the epoch
// of date gives -5 deg 22.5'. Ten lines in the window's order, then rise, transit and set; the
// clock, right ascension and altitude texts are those the window's tests pin.
TEST(CliShow, TheTenFieldsOfAnObject) {
    CliRun run = Cli(kM42);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(
        std::regex_search(run.out, std::regex("^Time: .*\nDate: .*\ngmt: .*\nSiderealTime: .*\nLatitude: "
                                              ".*\nLongitude: .*\nRightAsc: .*\nDeclination: .*\n"
                                              "Altitude: .*\nAzimuth: .*\n")))
        << run.out;
    EXPECT_EQ(Field(run.out, "SiderealTime"), "Sidereal Time =  02:36:32");
    EXPECT_EQ(Field(run.out, "Declination"), "Dec = -5\u00B0 22.4'");
    EXPECT_EQ(Field(run.out, "Azimuth"), "Azimuth = 126\u00B0 53'  (SE)");
}

// One flat object on one line: each text of the lines, then the numbers, by the same
// independent reduction as the lines.
TEST(CliShow, JsonHasTheTextsAndTheNumbers) {
    CliRun lines = Cli(kM42), printed = Cli(kM42 + " --json");
    ASSERT_EQ(printed.code, 0) << printed.err;
    EXPECT_EQ(printed.out.find('\n'), printed.out.size() - 1) << printed.out;
    nlohmann::ordered_json json = Json(printed);
    ASSERT_TRUE(json.is_object()) << printed.out;
    std::istringstream in(lines.out);
    for (std::string line; std::getline(in, line);) {
        std::string name = line.substr(0, line.find(':')), text = line.substr(name.size() + 2);
        EXPECT_EQ(json.value(name, "(missing)"), text) << line;
    }
    EXPECT_NEAR(json.value("julianDate", 0.0), 2461381.5 + 2.5 / 24, 1e-6);
    EXPECT_NEAR(json.value("altitude", 0.0), 28.3466, 5e-3);
    EXPECT_NEAR(json.value("azimuth", 0.0), 126.876, 5e-3);
    EXPECT_NEAR(json.value("rightAscension", 0.0), 5.61013, 1e-4);
    EXPECT_NEAR(json.value("declination", 0.0), -5.3743, 1e-3);
}

// A body's fields take the places of a catalog object's names (UTF-8): the Moon's distance in
// km and its phase, a planet's distance in AU.
TEST(CliShow, JsonOfTheMoonAndAPlanet) {
    CliRun moonRun = Cli(kEvening + "--planet 3 --json");
    nlohmann::ordered_json moon = Json(moonRun);
    ASSERT_TRUE(moon.is_object()) << moonRun.out << moonRun.err;
    EXPECT_EQ(moon.value("Magnitude", ""), "Constellation= Libra       ");
    EXPECT_EQ(moon.value("Name2label", ""), "Phase=   New   ");
    EXPECT_EQ(moon.value("RightAsc", "").rfind("Topocentric R.A. =  15h 1", 0), 0u);
    EXPECT_NEAR(moon.value("distanceKm", 0.0), 406860.0, 2000.0);
    EXPECT_NEAR(moon.value("phaseAngle", 0.0), 338.6, 3.0);
    EXPECT_NEAR(moon.value("diameterArcsec", 0.0), 29.4 * 60.0, 30.0);
    EXPECT_FALSE(moon.contains("distanceAU"));

    CliRun saturnRun = Cli(kEvening + "--planet 6 --json");
    nlohmann::ordered_json saturn = Json(saturnRun);
    ASSERT_TRUE(saturn.is_object()) << saturnRun.out << saturnRun.err;
    EXPECT_NEAR(saturn.value("distanceAU", 0.0), 8.987, 0.1);
    EXPECT_EQ(saturn.value("constellation", ""), "Cet");
    EXPECT_FALSE(saturn.contains("distanceKm"));
}

TEST(CliShow, BadArgumentsGiveOneLineThatSaysWhatIsWrongAndExitCode2) {
    std::vector<std::vector<std::string>> cases = {{}, {"show", "--date", " 2026-+1-06"}};
    for (const char* line :
         {"show --colour red", "show --lat 91", "show --lat=-90.5", "show --epoch 0x7E4", "show --lat 4e1",
          "show --fixed-epoch 2e3", "show --ra inf --dec 0", "show --lon nan", "show --date 1979-12-31",
          "show --time 9:30:00", "show --lat", "show --ra 5.5", "show --ra 24 --dec 0", "show --planet 10",
          "show --planet -1", "show --planet 2.5", "show --planet 3 --ra 1 --dec 2", "show M42", "observe"}) {
        std::istringstream words(line);
        cases.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    }
    for (const std::vector<std::string>& args : cases) {
        CliRun run = testing::RunCliAt(args);
        const std::string line = args.empty() ? "(none)" : args.back();
        EXPECT_EQ(run.code, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        ASSERT_FALSE(run.err.empty()) << line;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
    EXPECT_EQ(Cli("show --date 2024-02-29").code, 0);
    EXPECT_EQ(Cli("show --lat=-90 --time 23:59:59").code, 0);

    // The line names the option and what is wrong with its value.
    EXPECT_EQ(Cli("show --epoch 0x7E4").err, "talvo-cli show: --epoch: '0x7E4' is not a number\n");
    EXPECT_EQ(Cli("show --lat 91").err,
              "talvo-cli show: --lat: latitude must be between -90 and 90 degrees\n");
    EXPECT_EQ(Cli("show --json --colour red").err,
              "talvo-cli show: unknown option '--colour' (talvo-cli show --help lists the options)\n");
    EXPECT_EQ(Cli("observe").err, "talvo-cli: unknown command 'observe' (talvo-cli --help lists them)\n");
}

TEST(CliShow, HelpListsTheCommandsAndTheOptions) {
    for (const auto& [command, line] :
         {std::pair{"--help", "  show "}, {"show --help", "  --planet N"}, {"find --help", "  --best-of"}}) {
        CliRun help = Cli(command);
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_EQ(help.err, "") << command;
        EXPECT_NE(help.out.find(line), std::string::npos) << help.out;
    }
}

TEST(CliShow, FixedEpochAppliesInRealTimeOnly) {
    CliRun realTime = Cli("show --ra 5.588 --dec -5.39 --fixed-epoch 2000");
    ASSERT_EQ(realTime.code, 0) << realTime.err;
    EXPECT_EQ(Field(realTime.out, "RightAsc"), " 2000 R.A. =  5h 35.28m");
    EXPECT_EQ(Field(Cli(kM42 + " --fixed-epoch 2000").out, "RightAsc"), " 2027 R.A. =  5h 36.61m");
}

TEST(CliShow, WithoutAPositionOnlyTheSiteAndClock) {
    CliRun run = Cli("show --lat -33.5 --lon -151.25 --utc-offset -10");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "Time: 21:30:00  AES\n"
              "Date: 06-12-2026\n"
              "gmt: UTC   =  11:30:00  \n"
              "SiderealTime: " +
                  Field(run.out, "SiderealTime") +
                  "\n"
                  "Latitude:  33\u00B0 30.0'  S\n"
                  "Longitude:  151\u00B0 15.0'  E\n");
}

// The built talvo-cli run as a process, as scripts run it (standard error dropped).
CliRun RunProgram(const std::string& command) {
    CliRun result{-1, "", ""};
    std::string line =
        "\"" + std::string(std::getenv("TALVO_BIN_DIR")) + "/talvo-cli\" " + command + " 2>/dev/null";
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[512];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, got);
    int status = pclose(pipe);
    if (WIFEXITED(status)) result.code = WEXITSTATUS(status);
    return result;
}

TEST(CliShow, TheBuiltProgramPrintsUtf8AndExitsWithTheRightCode) {
    if (std::getenv("TALVO_BIN_DIR") == nullptr) GTEST_SKIP() << "TALVO_BIN_DIR is set by CTest";
    CliRun show = RunProgram(kM42);
    EXPECT_EQ(show.code, 0);
    EXPECT_NE(show.out.find("Altitude: Altitude = 28\xC2\xB0 21'\n"), std::string::npos) << show.out;
    for (std::size_t at = show.out.find('\xB0'); at != std::string::npos;
         at = show.out.find('\xB0', at + 1)) {
        ASSERT_TRUE(at > 0 && show.out[at - 1] == '\xC2') << "a degree sign in the code page, not UTF-8";
    }
    EXPECT_EQ(RunProgram("show --lat 91").code, 2);
    EXPECT_EQ(RunProgram("").code, 2);
}

}  // namespace
}  // namespace talvo
