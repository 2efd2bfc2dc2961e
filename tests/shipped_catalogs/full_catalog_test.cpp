#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalog/catalog_file.h"
#include "catalog/catalog_reader.h"
#include "engine/constellations.h"
#include "engine/text_format.h"
#include "shipped_catalog.h"

namespace talvo {
namespace {

using testing::CatalogSession;
using testing::ProgramFolder;

std::set<std::string> ConstellationNames() {
    std::set<std::string> names;
    const ConstellationTable& table = BuildConstellationTable();
    for (int row = 2; row < kConstellationRows; ++row) names.insert(table.rows[row].substr(32, 12));
    return names;
}

// Every line of FULL.TLV, read as the search reads it.
TEST(ShippedFullCatalog, EveryLineReadsBackWithinItsLimits) {
    CatalogSession session;
    ASSERT_TRUE(session.opened) << "no FULL.TLV in " << ProgramFolder();
    EXPECT_EQ(session.state.catalogFlag, 'F');
    EXPECT_TRUE(session.state.contents.full);

    const std::set<std::string> constellations = ConstellationNames();
    ASSERT_EQ(constellations.size(), 88u);
    CatalogReader reader;
    ASSERT_TRUE(reader.Open(CatalogPath(ProgramFolder(), "FULL.TLV")));
    std::string line;
    int lines = 0, planets = 0, firstPass = 0, secondPass = 0;
    std::set<std::string> seenConstellations;
    while (reader.ReadNextEntry(line)) {
        ++lines;
        SCOPED_TRACE("line " + std::to_string(lines) + ": " + line);
        ASSERT_EQ(line.size(), 100u);
        if (line[0] == '!') {
            ++planets;
            EXPECT_EQ(line.substr(0, 8), "!Planet=");
            EXPECT_NE(line.substr(8, 2), "00");  // never the Sun
            EXPECT_EQ(line.substr(10, 2), "&^");
            continue;
        }
        double ra = LeadingNumber(Columns(line, 61, 9));
        double dec = LeadingNumber(Columns(line, 70, 9));
        double magnitude = LeadingNumber(Columns(line, 89, 8));
        EXPECT_GE(ra, 0.0);
        EXPECT_LT(ra, 24.0);
        EXPECT_LE(std::abs(dec), 90.0);
        EXPECT_TRUE((magnitude >= -1.5 && magnitude < 25.0) || magnitude == 99.0) << magnitude;
        EXPECT_EQ(LeadingNumber(Columns(line, 97, 4)), 2000.0);
        std::string constellation = Columns(line, 49, 12);
        EXPECT_TRUE(constellations.count(constellation)) << constellation;
        seenConstellations.insert(constellation);
        std::string marker = line.substr(10, 2);
        firstPass += marker == "&^";
        secondPass += marker == "^^";
        if (marker == "&^" || marker == "^^") {
            EXPECT_EQ(line.substr(0, 12).find_first_of("&^"), 10u);
        }
    }
    EXPECT_GT(lines, 21000);
    EXPECT_LT(lines, 24000);
    EXPECT_EQ(planets, 7);
    EXPECT_NEAR(firstPass, 150, 25);
    EXPECT_NEAR(secondPass, 150, 25);
    EXPECT_EQ(seenConstellations.size(), 88u);
}

// The first line of each auxiliary catalog carries its flag.
TEST(ShippedFullCatalog, AuxiliaryCatalogsCarryTheirFlags) {
    const struct {
        const char* file;
        char flag;
    } catalogs[] = {{"MESSIER.TLV", 'M'}, {"DOUBLES.TLV", 'D'},  {"BRIGHT.TLV", 'S'},
                    {"GALAXIES.TLV", 'G'}, {"OPENCLUS.TLV", 'O'}, {"GLOBULAR.TLV", 'L'},
                    {"PLANNEB.TLV", 'P'}, {"NEBULAE.TLV", 'N'},  {"QUASARS.TLV", 'Q'}};
    for (const auto& catalog : catalogs) {
        CatalogSession session(catalog.file);
        ASSERT_TRUE(session.opened) << catalog.file;
        EXPECT_EQ(session.state.catalogFlag, catalog.flag) << catalog.file;
    }
    CatalogSession globulars("GLOBULAR.TLV");
    EXPECT_TRUE(globulars.state.longNameCatalog);
}

}  // namespace
}  // namespace talvo
