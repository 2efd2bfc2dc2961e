#include "engine/constellations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace talvo {
namespace {

// UMi from 8h to 14.5h north of 86.5; Cep from 0h to 8h north of 85, then Cam from 7.97h. A
// lower RA edge belongs to its segment, an upper one to the next; a declination edge to its own.
TEST(FindConstellation, PolesAndEdges) {
    EXPECT_EQ(FindConstellation(5.0f, 90.0f), std::string(12, ' '));
    EXPECT_EQ(FindConstellation(0.0f, 89.0f), "UrsaMinor   ");
    EXPECT_EQ(FindConstellation(5.0f, -85.0f), "Mensa       ");
    EXPECT_EQ(FindConstellation(5.0f, -85.01f), "Octans      ");
    EXPECT_EQ(FindConstellation(12.0f, -90.0f), "Octans      ");
    EXPECT_EQ(FindConstellation(8.0f, 87.0f), "UrsaMinor   ");
    EXPECT_EQ(FindConstellation(7.99f, 87.0f), "Cepheus     ");
    EXPECT_EQ(FindConstellation(8.0f, 85.5f), "Camelopardal");
    EXPECT_EQ(FindConstellation(7.99f, 85.5f), "Cepheus     ");  // the earlier row wins
}

// Positions for the equinox B1875, well inside their constellations.
TEST(FindConstellation, BrightStars) {
    const struct {
        float ra, dec;
        const char* name;
    } stars[] = {
        {5.8066f, 7.3842f, "Orion       "},    {1.2144f, 88.6426f, "UrsaMinor   "},    // Betelgeuse, Polaris
        {12.3271f, -62.4060f, "Crux        "}, {22.8465f, -30.2909f, "PiscisAustri"},  // Acrux, Fomalhaut
        {14.1632f, 19.7639f, "Bootes      "},  {18.2613f, -89.2798f, "Octans      "},  // Arcturus, sigma Oct
    };
    for (const auto& star : stars) EXPECT_EQ(FindConstellation(star.ra, star.dec), star.name) << star.ra;
}

// The table leaves no hole in the sky and hides no constellation behind an earlier row.
TEST(FindConstellation, EveryPointOfTheSkyHasOneOfThe88) {
    std::set<std::string> seen;
    for (int r = 0; r < 480; ++r) {
        for (int d = -179; d < 180; ++d) {
            int row = FindConstellationRow(r * 0.05f, d * 0.5f);
            ASSERT_GE(row, 2) << r * 0.05 << " " << d * 0.5;
            seen.insert(ConstellationAbbreviation(row));
        }
    }
    EXPECT_EQ(seen.size(), 88u);
}

}  // namespace
}  // namespace talvo
