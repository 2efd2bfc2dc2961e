// Transient catalogs: the name of the line for the moment in both layouts, across midnight, month
// and year ends, and the line of the moment looked up as the current object.
#include "catalog/transient_catalog.h"

#include <gtest/gtest.h>

#include "catalog/catalog_fixture.h"
#include "catalog/catalog_maintenance.h"
#include "engine/solar_system.h"
#include "engine/time_scales.h"

namespace talvo {
namespace {

// The name for a local moment `offset` hours west of UTC (the clock's leap-year flag follows the
// date, as the time scales give it).
std::string Key(const LocalDateTime& moment, float offset, bool perMinute) {
    ObserverSite site;
    site.utcOffsetHours = offset;
    ClockState clock;
    clock.SetMoment(moment);
    static_cast<void>(CalcTime(clock, site));
    return TransientSearchName(clock, offset, perMinute);
}

TEST(TransientSearchName, HourlyTakesTheNearestHourOfUtc) {
    EXPECT_EQ(Key({2026, 12, 6, 21, 29, 59}, 5.0f, false), "1207 02 2026");
    EXPECT_EQ(Key({2026, 12, 6, 21, 40, 0}, 5.0f, false), "1207 03 2026");   // 02:40 UTC goes up
    EXPECT_EQ(Key({2026, 12, 6, 18, 30, 0}, 5.0f, false), "1207 00 2026");   // up across midnight
    EXPECT_EQ(Key({2026, 12, 31, 21, 40, 0}, 5.0f, false), "0101 03 2027");  // into the next year
    EXPECT_EQ(Key({2027, 1, 31, 20, 0, 0}, 5.0f, false), "0201 01 2027");
    EXPECT_EQ(Key({2027, 4, 30, 23, 0, 0}, 1.0f, false), "0501 00 2027");
    // February by the year's leap flag.
    EXPECT_EQ(Key({2027, 2, 28, 23, 30, 0}, 5.0f, false), "0301 05 2027");
    EXPECT_EQ(Key({2028, 2, 28, 23, 30, 0}, 5.0f, false), "0229 05 2028");
}

TEST(TransientSearchName, EastOfUtcMovesBackAcrossDaysAndYears) {
    EXPECT_EQ(Key({2027, 1, 1, 1, 10, 0}, -3.0f, false), "1231 22 2026");
    EXPECT_EQ(Key({2027, 3, 1, 2, 0, 0}, -9.0f, false), "0228 17 2027");
    EXPECT_EQ(Key({2028, 3, 1, 2, 0, 0}, -9.0f, false), "0229 17 2028");
    // Half-hour zones: 21:40 local in a zone 5 h 30 min east is 16:10 UTC, nearest 16 h.
    EXPECT_EQ(Key({2026, 12, 6, 21, 40, 0}, -5.5f, false), "1206 16 2026");
    EXPECT_EQ(Key({2026, 12, 6, 21, 10, 0}, -5.5f, false), "1206 16 2026");
    EXPECT_EQ(Key({2026, 12, 6, 21, 40, 0}, 3.5f, false), "1207 01 2026");
}

TEST(TransientSearchName, PerMinuteTakesTheNearestMinute) {
    EXPECT_EQ(Key({2026, 12, 6, 21, 40, 45}, 5.0f, true), "120702412026");
    EXPECT_EQ(Key({2026, 12, 6, 21, 40, 29}, 5.0f, true), "120702402026");
    EXPECT_EQ(Key({2026, 12, 31, 23, 59, 30}, 0.0f, true), "010100002027");
    EXPECT_EQ(Key({2027, 1, 1, 0, 0, 10}, -2.0f, true), "123122002026");
    EXPECT_EQ(Key({2026, 12, 6, 21, 40, 0}, -5.5f, true), "120616102026");
}

TEST(TransientCatalog, KindDistanceAndFirstYear) {
    EXPECT_EQ(TransientKind("Comet       "), kTransientComet);
    EXPECT_EQ(TransientKind("comet       "), kTransientAsteroid);
    EXPECT_EQ(TransientKind("Asteroid    "), kTransientAsteroid);
    EXPECT_NEAR(AngularDistance(0.0, 0.0, 6.0, 0.0), 90.0, 1e-9);
    EXPECT_NEAR(AngularDistance(23.9, 10.0, 0.1, 10.0), 2.9544, 1e-3);  // across 0 h
    EXPECT_NEAR(AngularDistance(3.0, 89.0, 15.0, 89.0), 2.0, 1e-6);
    EXPECT_NEAR(AngularDistance(5.0, -20.0, 5.0, -20.0001), 0.0001, 1e-9);

    testing::TempDir dir;
    testing::WriteCatalog(dir.File("a.tlv"),
                          {testing::CatalogLine({"0101 00 2025"}, 1.0, 2.0, {}, 2000, 'T')});
    EXPECT_EQ(FirstPositionYear(dir.File("a.tlv")), 2025);
    testing::WriteFile(dir.File("empty.tlv"), "");
    EXPECT_EQ(FirstPositionYear(dir.File("empty.tlv")), std::nullopt);
    EXPECT_EQ(FirstPositionYear(dir.File("missing.tlv")), std::nullopt);
}

// The session of the catalog tests (2026-12-07 01:30 local, 06:30 UTC, standing still) over a
// transient catalog of hourly positions.
class FindTransient : public testing::SearchTest {
protected:
    void UseTransient(const std::vector<std::string>& lines, char flag = 'T') {
        UseCatalog(lines);
        ASSERT_TRUE(SelectCatalog(state, engine, "cat.tlv", dir.path()));
        ASSERT_EQ(state.catalogFlag, flag);
    }
    static std::string Line(const std::string& moment, double ra, const char* type = "Comet",
                            char flag = 'T') {
        return testing::CatalogLine({moment, "C/2026 A1", "", "", type}, ra, 10.0, 9.5, 2000, flag);
    }
};

TEST_F(FindTransient, TheLineOfTheMomentBecomesTheObject) {
    UseTransient({Line("1207 05 2026", 1.0), Line("1207 06 2026", 2.0), Line("1207 07 2026", 3.0)});
    state.object.transientCatalog = true;
    ASSERT_EQ(FindTransientPosition(state, engine), TransientSearch::Found);
    const CurrentObject& object = state.object;
    EXPECT_EQ(Name1(), "1207 07 2026");  // 06:30 UTC is nearest 07 h
    EXPECT_EQ(object.planetIndex, kTransientComet);
    EXPECT_NE(object.present, 0);
    EXPECT_TRUE(object.transientCatalog);
    EXPECT_FALSE(object.notInCatalog);
    EXPECT_EQ(state.search.MatchCount, 0);  // every choice starts again from the first line
    EXPECT_FALSE(state.search.SearchOpen);
    // Its angle from the Sun (near 16h55m, -22.6 degrees on 7 December).
    EXPECT_EQ(object.elongationText, " 150\xB0");

    UseTransient({Line("1207 07 2026", 3.0, "Main belt")});
    state.object.transientCatalog = true;
    ASSERT_EQ(FindTransientPosition(state, engine), TransientSearch::Found);
    EXPECT_EQ(state.object.planetIndex, kTransientAsteroid);
}

TEST_F(FindTransient, WithoutALineForTheMomentTheObjectIsAbsent) {
    UseTransient({Line("1207 05 2026", 1.0), Line("1207 06 2026", 2.0)});
    ASSERT_TRUE(state.object.transientCatalog);
    EXPECT_EQ(FindTransientPosition(state, engine), TransientSearch::NoPosition);
    EXPECT_EQ(state.object.present, 0);
    EXPECT_EQ(state.object.planetIndex, kSun);
    EXPECT_TRUE(state.object.transientCatalog);  // the catalog is still the transient one

    UseTransient({Line("120706302026", 1.0, "Comet", 't')}, 't');
    EXPECT_TRUE(state.object.nearEarthObject);
    EXPECT_EQ(FindTransientPosition(state, engine), TransientSearch::Found);
    EXPECT_TRUE(state.object.nearEarthObject);
    state.catalogFileName = "gone.tlv";
    EXPECT_EQ(FindTransientPosition(state, engine), TransientSearch::Unreadable);
}

}  // namespace
}  // namespace talvo
