#include "app/cli_show.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"

namespace talvo {
namespace {

struct CliRun {
    int code;
    std::string out, err;
};

// The system clock reads 2026-12-06 21:30:00 and the system zone is 5 hours west.
CliRun Cli(std::vector<std::string> args, const std::vector<std::string>& more = {}) {
    args.insert(args.end(), more.begin(), more.end());
    testing::FakeClock clock({2026, 12, 6, 21, 30, 0});
    platform::FixedTimeZone zone(5.0);
    std::ostringstream out, err;
    int code = RunCli(args, clock, zone, out, err);
    return {code, out.str(), err.str()};
}

const std::vector<std::string> kM42 = {"show",         "--lat", "40.5",   "--lon",      "74.25",
                                       "--utc-offset", "5",     "--date", "2026-12-06", "--time",
                                       "21:30:00",     "--ra",  "5.588",  "--dec",      "-5.39"};

std::string Field(const std::string& out, const std::string& name) {
    std::smatch m;
    std::regex line("(^|\n)" + name + ": ([^\n]*)\n");
    return std::regex_search(out, m, line) ? m[2].str() : "(missing)";
}

// M42 from 40.5 N at sidereal time 2h36.5m is three hours east of the meridian, 28 degrees up
// in the south-east (20.8' and 126 deg 52.6' by an independent reduction). Its position is
// precessed to the epoch of date (2027, the year after June); rigorous precession gives
// 5h 36.61m -5 deg 22.5'. The lines after these ten belong to rise, transit and set.
TEST(CliShow, TheTenFieldsOfAnObject) {
    CliRun run = Cli(kM42);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string expected =
        "Time: 21:30:00  EST\n"
        "Date: 12-06-2026\n"
        "gmt: UTC   =  02:30:00 +\n"
        "SiderealTime: Sidereal Time =  02:36:32\n"
        "Latitude:  40\u00B0 30.0'  N\n"
        "Longitude:  74\u00B0 15.0'  W\n"
        "RightAsc:  2027 R.A. =  5h 36.61m\n"
        "Declination: Dec = -5\u00B0 22.4'\n"
        "Altitude: Altitude = 28\u00B0 21'\n"
        "Azimuth: Azimuth = 126\u00B0 53'  (SE)\n";
    EXPECT_EQ(run.out.substr(0, expected.size()), expected);
}

// A flat JSON object of string and number members; false on anything else.
bool ReadFlatJson(const std::string& text, std::map<std::string, std::string>& strings,
                  std::map<std::string, double>& numbers) {
    static const std::regex member(
        R"re(\s*"(\w+)"\s*:\s*(?:"((?:[^"\\]|\\.)*)"|(-?\d+(?:\.\d+)?(?:[eE][-+]?\d+)?))\s*([,}]))re");
    if (text.empty() || text[0] != '{') return false;
    std::smatch m;
    for (auto at = text.cbegin() + 1;
         std::regex_search(at, text.cend(), m, member, std::regex_constants::match_continuous);) {
        if (m[3].matched) {
            numbers[m[1].str()] = std::stod(m[3].str());
        } else {
            strings[m[1].str()] = m[2].str();
        }
        at = m[0].second;
        if (m[4] == "}") return std::string(at, text.cend()) == "\n";
    }
    return false;
}

TEST(CliShow, JsonHasTheTextsAndTheNumbers) {
    CliRun lines = Cli(kM42), json = Cli(kM42, {"--json"});
    ASSERT_EQ(json.code, 0) << json.err;
    std::map<std::string, std::string> texts;
    std::map<std::string, double> numbers;
    ASSERT_TRUE(ReadFlatJson(json.out, texts, numbers)) << json.out;
    for (const char* name : {"Time", "Date", "gmt", "SiderealTime", "Latitude", "Longitude", "RightAsc",
                             "Declination", "Altitude", "Azimuth"}) {
        EXPECT_EQ(texts.count(name), 1u) << name;
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(std::count(lines.out.begin(), lines.out.end(), '\n')));
    for (const auto& [name, text] : texts) EXPECT_EQ(text, Field(lines.out, name)) << name;
    EXPECT_NEAR(numbers["julianDate"], 2461381.5 + 2.5 / 24, 1e-6);
    EXPECT_NEAR(numbers["localSiderealTime"], 2.6089, 1e-3);
    EXPECT_NEAR(numbers["altitude"], 28.3466, 5e-3);
    EXPECT_NEAR(numbers["azimuth"], 126.876, 5e-3);
    EXPECT_NEAR(numbers["rightAscension"], 5.61013, 1e-4);
    EXPECT_NEAR(numbers["declination"], -5.3743, 1e-3);
}

TEST(CliShow, BadArgumentsGiveOneLineAndExitCode2) {
    const std::vector<std::vector<std::string>> bad = {{"show", "--colour", "red"},
                                                       {"show", "--lat", "forty"},
                                                       {"show", "--lat", "91"},
                                                       {"show", "--lat=-90.5"},
                                                       {"show", "--date", "1979-12-31"},
                                                       {"show", "--date", "2200-01-01"},
                                                       {"show", "--date", "2023-02-29"},
                                                       {"show", "--date", "2100-02-29"},
                                                       {"show", "--time", "24:00:00"},
                                                       {"show", "--lat"},
                                                       {"show", "--ra", "5.5"},
                                                       {"show", "--ra", "24", "--dec", "0"},
                                                       {"observe"}};
    for (const auto& args : bad) {
        CliRun run = Cli(args);
        std::string shown = args.back();
        EXPECT_EQ(run.code, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
    EXPECT_EQ(Cli({"show", "--date", "2024-02-29"}).code, 0);
    EXPECT_EQ(Cli({"show", "--lat=-90", "--time", "23:59:59"}).code, 0);
}

TEST(CliShow, FixedEpochAppliesInRealTimeOnly) {
    CliRun realTime = Cli({"show", "--ra", "5.588", "--dec", "-5.39", "--fixed-epoch", "2000"});
    ASSERT_EQ(realTime.code, 0) << realTime.err;
    EXPECT_EQ(Field(realTime.out, "RightAsc"), " 2000 R.A. =  5h 35.28m");
    CliRun fictitious = Cli(kM42, {"--fixed-epoch", "2000"});
    EXPECT_EQ(Field(fictitious.out, "RightAsc"), " 2027 R.A. =  5h 36.61m");
}

TEST(CliShow, WithoutAPositionOnlyTheSiteAndClock) {
    CliRun run = Cli({"show", "--lat", "-33.5", "--lon", "-151.25", "--utc-offset", "-10"});
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

}  // namespace
}  // namespace talvo
