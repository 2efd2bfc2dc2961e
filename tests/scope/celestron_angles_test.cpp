#include "scope/celestron_angles.h"

#include <gtest/gtest.h>

namespace talvo {
namespace {

TEST(CelestronAngles, Table) {
    const struct {
        GotoPosition p;
        std::uint16_t ra, dec;
    } rows[] = {
        {{0, 0.0, 0, 0.0, 1}, 0x0000, 0x0000},
        {{5, 34.5, -5, 23.0, 1}, 0x3B77, 0xFC2C},    // 15223.47, 64555.99
        {{0, 42.7, 41, 16.1, 1}, 0x0797, 0x1D59},    // 1943.32, 7512.67
        {{18, 36.9, 38, 47.0, 1}, 0xC68F, 0x1B94},   // 50831.36, 7060.29
        {{12, 0.0, 90, 0.0, 1}, 0x8000, 0x4000},     // 32767.9992 and 16383.9996 round up
        {{12, 0.0, -90, 0.0, 1}, 0x8000, 0xC000},    // (21600 - 5400) x 3 x 1.011358 = 49151.9988
        {{0, 0.0, 0, 30.0, -1}, 0x0000, 0xFFA5},     // -0 30': (21600 - 30) x 3 x 1.011358
        {{0, 0.0, 0, 30.0, 1}, 0x0000, 0x005B},      // +0 30': 91.02
        {{23, 59.99, 0, 0.01, -1}, 0x0000, 0x0000},  // 65535.5 and 65535.97 round to a full circle
    };
    for (const auto& r : rows) {
        CelestronAngles a = ToCelestronAngles(r.p);
        EXPECT_EQ(a.ra, r.ra) << r.p.raHours << "h " << r.p.raMinutes;
        EXPECT_EQ(a.dec, r.dec) << r.p.decDegrees << " " << r.p.decMinutes << " " << r.p.decSign;
    }
}

}  // namespace
}  // namespace talvo
