#include "engine/refraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace talvo {
namespace {

TEST(Refraction, AtAndBelowTheHorizon) {
    EXPECT_NEAR(Refraction(0.0), 28.98, 0.01);  // 1.02 / tan(2.0157 deg)
    EXPECT_NEAR(Refraction(45.0), 1.01, 0.01);
    EXPECT_NEAR(Refraction(90.0), 0.0, 0.01);
    EXPECT_GT(Refraction(-0.573), 30.0);
    EXPECT_EQ(Refraction(-0.574), 0.0);
    EXPECT_EQ(Refraction(-5.11), 0.0);  // the formula's pole is never reached
    EXPECT_NEAR(InverseRefraction(0.0), 34.5, 0.1);
    EXPECT_EQ(InverseRefraction(-0.001), 0.0);
}

// Refraction added to a true altitude and removed again by the inverse formula: the two
// empirical formulas agree to 0.062' (worst between 5 and 20 degrees).
TEST(Refraction, InverseUndoesRefractionEveryThousandthOfADegree) {
    double worst = 0.0;  // arc-minutes
    for (int i = 0; i <= 90000; ++i) {
        double trueAltitude = i * 0.001;
        double apparent = trueAltitude + Refraction(trueAltitude) / 60.0;
        double back = apparent - InverseRefraction(apparent) / 60.0;
        worst = std::max(worst, std::fabs(back - trueAltitude) * 60.0);
    }
    EXPECT_LT(worst, 0.08);
}

}  // namespace
}  // namespace talvo
