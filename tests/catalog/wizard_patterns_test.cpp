// The constellations the search wizard offers for a site and a moment.
#include "catalog/wizard_patterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "engine/constellations.h"
#include "engine/time_scales.h"
#include "platform/fixed_time_zone.h"
#include "session/session_state.h"

namespace talvo {
namespace {

// Each entry names a constellation exactly as the boundary table (and so the shipped catalogs'
// fifth name) does; all 88 are there, Hydra and Serpens twice.
TEST(WizardPatterns, EveryConstellationPointNamesATableConstellation) {
    const ConstellationTable& table = BuildConstellationTable();
    std::set<std::string> known;
    for (int row = 2; row < kConstellationRows; ++row) {
        std::string name = table.rows[row].substr(32, 12);
        known.insert(table.rows[row].substr(28, 3) + "," + name.erase(name.find_last_not_of(' ') + 1));
    }
    std::set<std::string> listed;
    int hydra = 0, serpens = 0;
    for (const ConstellationPoint& point : kConstellationPointTable) {
        EXPECT_TRUE(known.count(point.entry)) << point.entry;
        EXPECT_TRUE(point.raHours >= 0 && point.raHours < 24 && point.decDegrees >= -90 &&
                    point.decDegrees <= 90)
            << point.entry;
        listed.insert(point.entry);
        hydra += std::string(point.entry) == "Hya,Hydra";
        serpens += std::string(point.entry) == "Ser,Serpens";
    }
    EXPECT_EQ(listed.size(), 88u);
    EXPECT_EQ(hydra, 2);
    EXPECT_EQ(serpens, 2);
}

class VisibleConstellationsTest : public ::testing::Test {
protected:
    // The site (degrees north, degrees west) at a local moment of a zone five hours west.
    std::vector<std::string> At(double latitude, double longitude, const LocalDateTime& moment) {
        SetSite(state.site, latitude, longitude);
        ApplySystemTimeZone(state, platform::FixedTimeZone(5.0));
        state.clock.realTime = false;
        state.clock.SetMoment(moment);
        CalcTime(state.clock, state.site);
        return VisibleConstellations(state.clock, state.site);
    }
    // The list at the latitude (degrees north) and longitude 0 when the local sidereal time is
    // within half a minute of `hours`, found by stepping through a day a minute at a time.
    std::vector<std::string> AtSiderealTime(double latitude, double hours) {
        for (int minute = 0; minute < 24 * 60; ++minute) {
            std::vector<std::string> list = At(latitude, 0.0, {2027, 3, 20, minute / 60, minute % 60, 0});
            if (std::abs(state.clock.localSiderealTime - hours) < 0.5 / 60.0) return list;
        }
        ADD_FAILURE() << "no moment found";
        return {};
    }
    static bool Has(const std::vector<std::string>& list, const std::string& entry) {
        std::string padded = entry;
        padded.resize(16, ' ');
        return std::find(list.begin(), list.end(), padded) != list.end();
    }

    SessionState state;
};

// 40.5 N 74.25 W on 2026-12-07 at 01:30: the local sidereal time is 6h37m. Orion stands near the
// meridian, Leo rises in the east (about 25 degrees), Scorpius and Sagittarius are below the
// horizon, the Little Bear never sets and the Octant never rises.
TEST_F(VisibleConstellationsTest, AWinterNightInTheNorthListsWhatIsUp) {
    const std::vector<std::string> list = At(40.5, 74.25, {2026, 12, 7, 1, 30, 0});
    for (const char* up : {"Ori,Orion", "Tau,Taurus", "Gem,Gemini", "Leo,Leo", "UMi,UrsaMinor", "Aur,Auriga"})
        EXPECT_TRUE(Has(list, up)) << up;
    for (const char* down : {"Sco,Scorpius", "Sgr,Sagittarius", "Oct,Octans", "Aql,Aquila", "Cru,Crux"})
        EXPECT_FALSE(Has(list, down)) << down;
    for (const std::string& entry : list) EXPECT_EQ(entry.size(), 16u) << entry;
    // Table order: Andromeda (0h +30, low in the north-west) before Orion.
    ASSERT_TRUE(Has(list, "And,Andromeda"));
    EXPECT_EQ(list.front().substr(0, 3), "And");
}

// Leo's point (11h +10) on the meridian seen from far south: 4.8 degrees of true altitude shows
// as a little under 5 once refraction lifts it, 5.0 as a little over.
TEST_F(VisibleConstellationsTest, APointFiveDegreesHighOrLowerIsNotListed) {
    auto leoOnTheMeridian = [this](double latitude) {
        return Has(AtSiderealTime(latitude, 11.0), "Leo,Leo");
    };
    EXPECT_FALSE(leoOnTheMeridian(-75.2));  // true altitude 4.8, apparent about 4.97
    EXPECT_TRUE(leoOnTheMeridian(-75.0));   // true altitude 5.0, apparent about 5.17
}

// Hydra's two points (9h 0 and 14h -25) both up at 11h30m from 30 S: listed twice.
TEST_F(VisibleConstellationsTest, HydraMayBeListedTwice) {
    const std::vector<std::string> list = AtSiderealTime(-30.0, 11.5);
    EXPECT_EQ(std::count(list.begin(), list.end(), "Hya,Hydra       "), 2);
}

}  // namespace
}  // namespace talvo
