#include "scope/goto_position.h"

#include <gtest/gtest.h>

namespace talvo {
namespace {

// Decimal hours and degrees to the split fields: whole degrees toward zero, unsigned minutes,
// the minus of -1 < dec < 0 on the sign flag, right ascension brought into 0 to 24 hours.
TEST(SplitGotoPosition, Table) {
    const struct {
        double ra, dec;
        int hours;
        double raMinutes;
        int degrees;
        double decMinutes;
        int sign;
    } rows[] = {
        {5.575, -5.5, 5, 34.5, -5, 30.0, 1},   {5.575, -0.5, 5, 34.5, 0, 30.0, -1},
        {5.575, 0.5, 5, 34.5, 0, 30.0, 1},     {0.0, 0.0, 0, 0.0, 0, 0.0, 1},
        {12.0, 90.0, 12, 0.0, 90, 0.0, 1},     {12.0, -90.0, 12, 0.0, -90, 0.0, 1},
        {-1.0, -1.0, 23, 0.0, -1, 0.0, 1},     {24.0, 41.25, 0, 0.0, 41, 15.0, 1},
        {25.5, -41.25, 1, 30.0, -41, 15.0, 1},
    };
    for (const auto& r : rows) {
        GotoPosition p = SplitGotoPosition(r.ra, r.dec);
        EXPECT_EQ(p.raHours, r.hours) << r.ra;
        EXPECT_NEAR(p.raMinutes, r.raMinutes, 1e-9) << r.ra;
        EXPECT_EQ(p.decDegrees, r.degrees) << r.dec;
        EXPECT_NEAR(p.decMinutes, r.decMinutes, 1e-9) << r.dec;
        EXPECT_EQ(p.decSign, r.sign) << r.dec;
    }
}

// A minus on the sign flag counts as southern; a flag of -1 beside nonzero degrees is refused.
TEST(GotoPosition, SouthernAndValid) {
    const struct {
        GotoPosition p;
        bool southern, valid;
    } rows[] = {
        {{5, 34.5, -5, 23.0, 1}, true, true}, {{5, 34.5, 0, 30.0, -1}, true, true},
        {{0, 0.0, -90, 0.0, 1}, true, true},  {{0, 0.0, 90, 0.5, 1}, false, false},
        {{24, 0.0, 0, 0.0, 1}, false, false}, {{0, 60.0, 0, 0.0, 1}, false, false},
        {{0, 0.0, -5, 1.0, -1}, true, false}, {{0, 0.0, 0, 1.0, 0}, false, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(IsSouthern(r.p), r.southern) << r.p.decDegrees << " " << r.p.decSign;
        EXPECT_EQ(IsValidGotoPosition(r.p), r.valid)
            << r.p.raHours << " " << r.p.raMinutes << " " << r.p.decDegrees << " " << r.p.decMinutes;
    }
}

}  // namespace
}  // namespace talvo
