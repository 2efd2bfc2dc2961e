#include "engine/constellations.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace talvo {
namespace {

TEST(ConstellationTable, RowsFollowTheFixedLayout) {
    const ConstellationTable& table = BuildConstellationTable();
    EXPECT_EQ(table.rows[0], "");
    EXPECT_EQ(table.rows[1], "   0     ,     360,      90,   ,            ");
    EXPECT_EQ(table.rows[2], "   0.0000,360.0000, 88.0000,UMi,UrsaMinor   ");
    EXPECT_EQ(table.rows[358], "   0.0000,360.0000,-90.0000,Oct,Octans      ");
    std::map<std::string, std::string> names;  // one name for each abbreviation
    float previousDec = 90.0f;
    for (int i = 1; i < kConstellationRows; ++i) {
        const std::string& row = table.rows[i];
        ASSERT_EQ(row.size(), 44u) << i;
        for (int comma : {10, 19, 28, 32}) ASSERT_EQ(row[comma - 1], ',') << i << ": " << row;
        EXPECT_LT(table.lowerRaHours[i], table.upperRaHours[i]) << row;
        EXPECT_LE(table.lowerDecDegrees[i], previousDec) << row;  // north to south
        previousDec = table.lowerDecDegrees[i];
        if (i == 1) continue;
        EXPECT_EQ(ConstellationAbbreviation(i), row.substr(28, 3));
        auto [entry, added] = names.emplace(row.substr(28, 3), row.substr(32, 12));
        EXPECT_EQ(entry->second, row.substr(32, 12)) << row;
    }
    EXPECT_EQ(names.size(), 88u);
    EXPECT_EQ(names["CVn"], "CanesVenatic");
}

TEST(FindConstellation, PolesAndEdges) {
    EXPECT_EQ(FindConstellation(5.0f, 90.0f), std::string(12, ' '));
    EXPECT_EQ(FindConstellation(0.0f, 89.0f), "UrsaMinor   ");
    EXPECT_EQ(FindConstellation(23.99f, 88.0f), "UrsaMinor   ");
    EXPECT_EQ(FindConstellation(5.0f, -85.0f), "Mensa       ");  // on Mensa's southern edge
    EXPECT_EQ(FindConstellation(5.0f, -85.01f), "Octans      ");
    EXPECT_EQ(FindConstellation(17.0f, -89.99f), "Octans      ");
    EXPECT_EQ(FindConstellation(12.0f, -90.0f), "Octans      ");
    // UMi from 8h to 14.5h north of 86.5; Cep from 0h to 8h north of 85, then Cam from 7.97h.
    EXPECT_EQ(FindConstellation(8.0f, 87.0f), "UrsaMinor   ");  // a lower RA edge: this segment
    EXPECT_EQ(FindConstellation(7.99f, 87.0f), "Cepheus     ");
    EXPECT_EQ(FindConstellation(8.0f, 85.5f), "Camelopardal");  // an upper RA edge: the next one
    EXPECT_EQ(FindConstellation(7.99f, 85.5f), "Cepheus     ");
    EXPECT_EQ(ConstellationAbbreviation(FindConstellationRow(8.0f, 87.0f)), "UMi");
    EXPECT_EQ(ConstellationAbbreviation(FindConstellationRow(0.0f, 90.0f)), "");
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
