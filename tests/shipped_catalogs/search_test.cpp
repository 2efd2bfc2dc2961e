#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shipped_catalog.h"

namespace talvo {
namespace {

using testing::CatalogSession;

// What an observer types and the object it must find first: name 1 and one more of its names.
TEST(ShippedCatalogSearch, TheExamplesOfThePromptFindTheirObjectFirst) {
    const struct {
        const char* typed;
        const char* name1;
        int other;
        const char* name;
    } cases[] = {
        {"M31", "M31", 2, "NGC 224"},        {"M42", "M42", 2, "NGC 1976"},
        {"crab", "M1", 3, "Crab Nebula"},    {"Mizar", "Mizar", 2, "Zet UMa"},
        {"NGC 7009", "NGC 7009", 4, "Planetary"}, {"Gam Per", "Gam Per", 2, "HR 915"},
        {"IC 434", "IC 434", 5, "Orion"},    {"61 Cyg", "61 Cyg", 2, "HR 8085"},
        {"HR 2491", "Sirius", 3, "HR 2491"}, {"Alp* Lib", "Zubenelgenub", 2, "Alp2 Lib"},
        {"Albireo", "Albireo", 2, "Bet1 Cyg"}, {"M1", "M1", 2, "NGC 1952"},
        {"NGC 1", "NGC 1", 4, "Galaxy"},     {"Virgo", "M104", 5, "Virgo"},
    };
    for (const auto& c : cases) {
        CatalogSession session;
        ASSERT_TRUE(session.opened);
        ASSERT_TRUE(session.Find(c.typed)) << c.typed;
        EXPECT_EQ(session.Name(1), c.name1) << c.typed;
        EXPECT_EQ(session.Name(c.other), c.name) << c.typed;
    }
}

// The wizard's Galaxies with the constellation Leo: name "Galaxy", second name "Leo" and blanks.
TEST(ShippedCatalogSearch, GalaxiesInLeoAreGalaxiesInLeoOnly) {
    CatalogSession session;
    int found = 0;
    for (bool match = session.Find("Galaxy", "Leo         "); match; match = session.engine.NextMatch()) {
        ++found;
        EXPECT_EQ(session.Name(4).substr(0, 6), "Galaxy") << session.Name(1);
        EXPECT_EQ(session.Name(5), "Leo") << session.Name(1);
    }
    EXPECT_GT(found, 100);
}

TEST(ShippedCatalogSearch, BestOfTheSkyOnAWinterEveningOffersTheOrionNebulaEarly) {
    CatalogSession session;
    std::vector<std::string> offered;
    for (bool match = session.engine.BestOfTheSky(); match && offered.size() < 10; match = session.engine.NextMatch()) {
        offered.push_back(session.Name(1));
    }
    ASSERT_EQ(offered.size(), 10u);
    EXPECT_NE(std::find(offered.begin(), offered.end(), "M42"), offered.end());
    EXPECT_EQ(std::find(offered.begin(), offered.end(), "M13"), offered.end());  // set long ago
}

}  // namespace
}  // namespace talvo
