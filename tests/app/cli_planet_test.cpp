#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/cli_show.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"

namespace talvo {
namespace {

struct CliRun {
    int code;
    std::string out, err;
};

// `show --planet N` for 2026-12-06 21:30 EST at 40.5 N 74.25 W, with more arguments after it.
CliRun ShowPlanet(const std::string& planet, const std::vector<std::string>& more = {}) {
    std::vector<std::string> args = {"show",       "--planet", planet,         "--lat", "40.5",
                                     "--lon",      "74.25",    "--utc-offset", "5",     "--date",
                                     "2026-12-06", "--time",   "21:30:00"};
    args.insert(args.end(), more.begin(), more.end());
    testing::FakeClock clock({2030, 1, 1, 12, 0, 0});
    platform::FixedTimeZone zone(0.0);
    std::ostringstream out, err;
    int code = RunCli(args, clock, zone, out, err);
    return {code, out.str(), err.str()};
}

std::string Field(const std::string& out, const std::string& name) {
    std::smatch match;
    return std::regex_search(out, match, std::regex("(^|\n)" + name + ": ([^\n]*)")) ? match.str(2)
                                                                                     : "(missing)";
}

double JsonNumber(const std::string& json, const std::string& key) {
    std::smatch match;
    if (!std::regex_search(json, match, std::regex("\"" + key + "\": ([-0-9.eE+]+)"))) return -1e9;
    return std::stod(match.str(1));
}

// The window's figures of a body, as lines "Field: text" (UTF-8).
TEST(CliPlanet, TheMoonAndJupiter) {
    const struct {
        const char* planet;
        std::vector<std::pair<const char*, const char*>> lines;  // field, pattern
    } bodies[] = {
        {"3",
         {{"Name1", "Name = Moon        "},
          {"Magnitude", "Constellation= Libra       "},
          {"Name2label", "Phase=   New   "},
          {"name3label", "Elongation=  \\d\\d\u00B0 Morning"},
          {"Name4label", R"(Dist = 40\d,\d{3}\.\d km )"},
          {"Name5Label", R"(Size= 29\.\d'  0\.9\dx avg)"},
          {"RightAsc", R"(Topocentric R\.A\. =  15h 1\d\.\d\dm)"}}},
        {"5",
         {{"Name1", "Name = Jupiter     "},
          {"Magnitude", ""},
          {"Name2label", R"(Distance= 4\.9[34]\d AU)"},
          {"name3label", "Elongation= 108\u00B0 Morning"},
          {"Name4label", "Constellation= Leo         "},
          {"Name5Label", R"(Size= 39\.[89]\d")"},
          {"RiseTime", R"(NextRise = 22:0\d  )"}}},
    };
    for (const auto& body : bodies) {
        CliRun run = ShowPlanet(body.planet);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.err, "");
        for (const auto& [field, pattern] : body.lines) {
            EXPECT_TRUE(std::regex_match(Field(run.out, field), std::regex(pattern)))
                << field << ": " << run.out;
        }
        for (const char* field : {"TransitTime", "SetTime"}) EXPECT_NE(Field(run.out, field), "(missing)");
    }
}

TEST(CliPlanet, JsonCarriesTheRawNumbers) {
    CliRun saturn = ShowPlanet("6", {"--json"});
    ASSERT_EQ(saturn.code, 0) << saturn.err;
    EXPECT_NEAR(JsonNumber(saturn.out, "distanceAU"), 8.987, 0.1);
    EXPECT_NEAR(JsonNumber(saturn.out, "diameterArcsec"), 165.46 / JsonNumber(saturn.out, "distanceAU"),
                1e-9);
    EXPECT_NEAR(JsonNumber(saturn.out, "elongation"), 112.9, 2.0);
    EXPECT_NE(saturn.out.find("\"constellation\": \"Cet\""), std::string::npos) << saturn.out;
    EXPECT_EQ(saturn.out.find("distanceKm"), std::string::npos);

    CliRun moon = ShowPlanet("3", {"--json"});
    ASSERT_EQ(moon.code, 0) << moon.err;
    EXPECT_NEAR(JsonNumber(moon.out, "distanceKm"), 406860.0, 2000.0);
    EXPECT_NEAR(JsonNumber(moon.out, "phaseAngle"), 338.6, 3.0);
    EXPECT_NEAR(JsonNumber(moon.out, "elongation"), 21.9, 3.0);
    EXPECT_NEAR(JsonNumber(moon.out, "diameterArcsec"), 29.4 * 60.0, 30.0);
    EXPECT_NE(moon.out.find("\"constellation\": \"Lib\""), std::string::npos) << moon.out;
    EXPECT_EQ(moon.out.find("distanceAU"), std::string::npos);
}

TEST(CliPlanet, BadBodiesAreRefusedWithOneLine) {
    for (const CliRun& run : {ShowPlanet("10"), ShowPlanet("2.5"), ShowPlanet("x"), ShowPlanet("-1"),
                              ShowPlanet("3", {"--ra", "1", "--dec", "2"})}) {
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

}  // namespace
}  // namespace talvo
