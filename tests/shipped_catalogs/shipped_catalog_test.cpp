// The catalogs installed beside the program (TALVO_BIN_DIR), read back through the catalog
// reader and searched unattended from 40 N 75 W on 2026-12-15 at 22:00, five hours behind UT.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_file.h"
#include "catalog/catalog_fixture.h"
#include "catalog/catalog_reader.h"
#include "engine/constellations.h"
#include "engine/text_format.h"

namespace talvo {
namespace {

std::string ProgramFolder() {
    const char* folder = std::getenv("TALVO_BIN_DIR");
    return folder ? std::string(folder) + "/" : std::string();
}

// The session and the engine; a scratch folder takes the matches file.
class CatalogSession {
public:
    explicit CatalogSession(const std::string& catalog = "FULL.TLV") {
        testing::PrepareSession(state, scratch.path());
        SetSite(state.site, 40.0, 75.0);
        state.clock.SetMoment({2026, 12, 15, 22, 0, 0});
        CalcTime(state.clock, state.site);
        state.scriptMode = true;
        state.catalogFolder = ProgramFolder();
        state.catalogFileName = catalog;
        opened = ReadCatalogFlag(state, catalog, state.catalogFolder);
    }

    bool Find(const std::string& name, const std::string& second = "") {
        SearchRequest request;
        request.name = name;
        request.secondName = second;
        return engine.Start(request) == SearchOutcome::Found;
    }
    bool Next() { return engine.Next() == SearchOutcome::Found; }
    bool BestOf() { return engine.Start(BestOfTheSkyRequest()) == SearchOutcome::Found; }

    // Name 1 to 5 of the current object, trailing blanks dropped.
    std::string Name(int which) const {
        const CurrentObject& o = state.object;
        std::string name = std::vector<std::string>{o.name1, o.name2, o.name3, o.name4, o.name5}[which - 1];
        return name.erase(name.find_last_not_of(' ') + 1);
    }

    testing::TempDir scratch;
    SessionState state;
    bool opened = false;
    SearchEngine engine{state};
};

// Every line of FULL.TLV, read as the search reads it.
TEST(ShippedFullCatalog, EveryLineReadsBackWithinItsLimits) {
    CatalogSession session;
    ASSERT_TRUE(session.opened) << "no FULL.TLV in " << ProgramFolder();
    EXPECT_TRUE(session.state.catalogFlag == 'F' && session.state.contents.full);

    std::set<std::string> constellations, seen;  // the 88 names of the table, and those of the lines
    const ConstellationTable& table = BuildConstellationTable();
    for (int row = 2; row < kConstellationRows; ++row) constellations.insert(table.rows[row].substr(32, 12));
    CatalogReader reader;
    ASSERT_TRUE(reader.Open(CatalogPath(ProgramFolder(), "FULL.TLV")));
    int lines = 0, planets = 0, firstPass = 0, secondPass = 0;
    for (std::string line; reader.ReadNextEntry(line);) {
        ++lines;
        SCOPED_TRACE("line " + std::to_string(lines) + ": " + line);
        ASSERT_EQ(line.size(), 100u);
        if (line[0] == '!') {
            ++planets;  // never the Sun
            EXPECT_TRUE(line.substr(0, 8) == "!Planet=" && line.substr(8, 2) != "00" &&
                        line.substr(10, 2) == "&^");
            continue;
        }
        double ra = LeadingNumber(Columns(line, 61, 9));
        double dec = LeadingNumber(Columns(line, 70, 9));
        double magnitude = LeadingNumber(Columns(line, 89, 8));
        EXPECT_TRUE(ra >= 0.0 && ra < 24.0 && std::abs(dec) <= 90.0) << ra << " " << dec;
        EXPECT_TRUE((magnitude >= -1.5 && magnitude < 25.0) || magnitude == 99.0) << magnitude;
        EXPECT_EQ(LeadingNumber(Columns(line, 97, 4)), 2000.0);
        seen.insert(Columns(line, 49, 12));
        const std::string marker = line.substr(10, 2);
        firstPass += marker == "&^";
        secondPass += marker == "^^";
        if (marker == "&^" || marker == "^^") {
            EXPECT_EQ(line.substr(0, 12).find_first_of("&^"), 10u);
        }
    }
    EXPECT_TRUE(lines > 21000 && lines < 24000) << lines;
    EXPECT_EQ(planets, 7);
    EXPECT_NEAR(firstPass, 150, 25);
    EXPECT_NEAR(secondPass, 150, 25);
    EXPECT_EQ(seen, constellations);
}

// The first line of each auxiliary catalog carries its flag; the globulars' is a long-name one.
TEST(ShippedFullCatalog, AuxiliaryCatalogsCarryTheirFlags) {
    const std::pair<const char*, char> catalogs[] = {
        {"MESSIER.TLV", 'M'},  {"DOUBLES.TLV", 'D'},  {"BRIGHT.TLV", 'S'},
        {"GALAXIES.TLV", 'G'}, {"OPENCLUS.TLV", 'O'}, {"GLOBULAR.TLV", 'L'},
        {"PLANNEB.TLV", 'P'},  {"NEBULAE.TLV", 'N'},  {"QUASARS.TLV", 'Q'}};
    for (const auto& [file, flag] : catalogs) {
        CatalogSession session(file);
        ASSERT_TRUE(session.opened) << file;
        EXPECT_EQ(session.state.catalogFlag, flag) << file;
        EXPECT_EQ(session.state.longNameCatalog, flag == 'L') << file;
    }
}

// What an observer types and the object it must find first: name 1 and one more of its names.
TEST(ShippedCatalogSearch, TheExamplesOfThePromptFindTheirObjectFirst) {
    const struct {
        const char* typed;
        const char* name1;
        int other;
        const char* name;
    } cases[] = {{"M31", "M31", 2, "NGC 224"},        {"crab", "M1", 3, "Crab Nebula"},
                 {"HR 2491", "Sirius", 3, "HR 2491"}, {"Alp* Lib", "Zubenelgenub", 2, "Alp2 Lib"},
                 {"NGC 1", "NGC 1", 4, "Galaxy"},     {"Virgo", "M104", 5, "Virgo"}};
    CatalogSession session;
    ASSERT_TRUE(session.opened);
    for (const auto& c : cases) {
        ASSERT_TRUE(session.Find(c.typed)) << c.typed;
        EXPECT_EQ(session.Name(1), c.name1) << c.typed;
        EXPECT_EQ(session.Name(c.other), c.name) << c.typed;
    }
}

// The wizard's Galaxies with the constellation Leo: name "Galaxy", second name "Leo" and blanks.
TEST(ShippedCatalogSearch, GalaxiesInLeoAreGalaxiesInLeoOnly) {
    CatalogSession session;
    int found = 0;
    for (bool match = session.Find("Galaxy", "Leo         "); match; match = session.Next()) {
        ++found;
        EXPECT_EQ(session.Name(4).substr(0, 6), "Galaxy") << session.Name(1);
        EXPECT_EQ(session.Name(5), "Leo") << session.Name(1);
    }
    EXPECT_GT(found, 100);
}

// The wizard's carbon stars: the Bright Star Catalogue's stars of spectral class C, N or R, each
// found once by its fourth name (wherever it stands: no altitude limit), and nothing else.
TEST(ShippedCatalogSearch, TheCarbonStarsAreTheBrightStarCataloguesCarbonStars) {
    CatalogSession session;
    const std::set<std::string> expected = {"HR 423",  "HR 977",  "HR 1607", "HR 1648", "HR 1977",
                                            "HR 2308", "HR 2405", "HR 2591", "HR 3541", "HR 4153",
                                            "HR 4163", "HR 4195", "HR 4846", "HR 5644", "HR 7089",
                                            "HR 7220", "HR 8145", "HR 8156", "HR 8297", "HR 9004"};
    std::multiset<std::string> found;
    for (bool match = session.Find("CarbonStar"); match; match = session.Next()) {
        EXPECT_EQ(session.Name(4), "CarbonStar") << session.Name(1);
        for (int which = 1; which <= 3; ++which) {
            if (session.Name(which).rfind("HR ", 0) == 0) found.insert(session.Name(which));
        }
    }
    EXPECT_EQ(found, std::multiset<std::string>(expected.begin(), expected.end()));
}

TEST(ShippedCatalogSearch, BestOfTheSkyOnAWinterEveningOffersTheOrionNebulaEarly) {
    CatalogSession session;
    std::vector<std::string> offered;
    for (bool match = session.BestOf(); match && offered.size() < 10; match = session.Next()) {
        offered.push_back(session.Name(1));
    }
    ASSERT_EQ(offered.size(), 10u);
    EXPECT_NE(std::find(offered.begin(), offered.end(), "M42"), offered.end());
    EXPECT_EQ(std::find(offered.begin(), offered.end(), "M13"), offered.end());  // set long ago
}

}  // namespace
}  // namespace talvo
