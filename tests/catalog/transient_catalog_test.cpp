// Transient catalogs: the name of the line for the moment in both layouts, across midnight, month
// and year ends; the kind of object and its angle from the Sun.
#include "catalog/transient_catalog.h"

#include <gtest/gtest.h>

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

TEST(TransientCatalog, KindAndAngularDistance) {
    EXPECT_EQ(TransientKind("Comet       "), kTransientComet);
    EXPECT_EQ(TransientKind("comet       "), kTransientAsteroid);
    EXPECT_EQ(TransientKind("Asteroid    "), kTransientAsteroid);
    EXPECT_NEAR(AngularDistance(0.0, 0.0, 6.0, 0.0), 90.0, 1e-9);
    EXPECT_NEAR(AngularDistance(23.9, 10.0, 0.1, 10.0), 2.9544, 1e-3);  // across 0 h
    EXPECT_NEAR(AngularDistance(3.0, 89.0, 15.0, 89.0), 2.0, 1e-6);     // over the pole
}

}  // namespace
}  // namespace talvo
