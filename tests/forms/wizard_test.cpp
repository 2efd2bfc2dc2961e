// The search wizard: the choices each catalog allows, the names and limits they give, and the
// search "Go" runs with them.
#include "forms/wizard.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/catalog_fixture.h"

namespace talvo {
namespace {

using testing::CatalogLine;

class WizardTest : public testing::SearchTest {
protected:
    // Makes `lines` the current catalog (its first line's flag says what it holds) and opens the
    // wizard on it.
    void Open(const std::vector<std::string>& lines) {
        UseCatalog(lines);
        ASSERT_TRUE(searches.ChooseCatalog("cat.tlv", dir.path()));
        wizard.Form_Load();
    }
    void Open(char flag) { Open({CatalogLine({"First"}, 1.0, 2.0, 5.0, 2000, flag)}); }

    // The row of the constellation list that starts with the abbreviation.
    int Row(const std::string& abbreviation) const {
        const std::vector<std::string>& items = wizard.ConstList.items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].substr(0, 4) == abbreviation + ",") return static_cast<int>(i);
        }
        ADD_FAILURE() << abbreviation << " is not listed";
        return -1;
    }

    // Every match of the search Go ran, by name 1, walking the chain to its end.
    std::vector<std::string> Matches() {
        std::vector<std::string> found;
        for (bool more = state.search.MatchCount > 0 && state.object.present != 0; more; more = Next()) {
            found.push_back(Name1());
            matched.push_back(state.object);
        }
        return found;
    }

    std::vector<CurrentObject> matched;
    Wizard wizard{state, searches, dialogs};
};

// Which groups each catalog flag allows, and what the window says when none.
TEST_F(WizardTest, TheCatalogsFlagDecidesTheGroupsOffered) {
    struct Case {
        char flag;
        bool deepSky, doubles, star;
    };
    for (const Case& c :
         {Case{'F', true, true, true}, Case{'D', false, true, true}, Case{'G', true, false, false},
          Case{'L', true, false, false}, Case{'M', true, false, false}, Case{'Q', true, false, false},
          Case{'S', false, false, true}, Case{'X', false, false, false}}) {
        Open(c.flag);
        SCOPED_TRACE(std::string("flag ") + c.flag);
        EXPECT_EQ(wizard.Option1.enabled, c.deepSky);
        EXPECT_EQ(wizard.Option2.enabled, c.doubles);
        EXPECT_EQ(wizard.Option9.enabled, c.star);
        const bool any = c.deepSky || c.doubles || c.star;
        EXPECT_EQ(wizard.WizardLabel.caption,
                  any ? "Use Search Wizard" : "Search Wizard Cannot be Used with Current Catalog cat.tlv");
        EXPECT_EQ(wizard.DSLabel.caption, any ? "or Detailed Search" : "Use Detailed Search");
        EXPECT_FALSE(wizard.Go.enabled || wizard.ConstList.enabled || wizard.Combo1.enabled);
        EXPECT_EQ(wizard.Label1.foreColor, c.deepSky ? state.textColor : state.highlightColor);
    }
}

// Deep-sky kinds: all of them in a full catalog, one for a catalog of one kind ("M" stands for all
// deep-sky kinds but offers them through "Any Kind").
TEST_F(WizardTest, DeepSkyKindsFollowTheContentFlags) {
    auto enabled = [this] {
        std::string kinds;
        const std::pair<const CheckControl*, char> options[] = {
            {&wizard.Option3, 'A'}, {&wizard.Option4, 'O'}, {&wizard.Option5, 'N'},  {&wizard.Option6, 'G'},
            {&wizard.Option7, 'L'}, {&wizard.Option8, 'P'}, {&wizard.Option13, 'Q'},
        };
        for (const auto& [option, letter] : options) {
            if (option->enabled) kinds += letter;
        }
        return kinds;
    };
    for (auto [flag, kinds] :
         {std::pair{'F', "AONGLPQ"}, std::pair{'M', "AONGLPQ"}, std::pair{'G', "G"}, std::pair{'L', "L"},
          std::pair{'O', "O"}, std::pair{'P', "P"}, std::pair{'N', "N"}, std::pair{'Q', "Q"}}) {
        Open(flag);
        EXPECT_EQ(enabled(), "") << flag;  // until deep-sky objects are chosen
        wizard.Option1_Click();
        EXPECT_EQ(enabled(), kinds) << flag;
        EXPECT_EQ(wizard.MinAltitude.caption + "|" + wizard.MaxAltitude.caption, "10|90");
        EXPECT_EQ(wizard.Galaxies.foreColor, wizard.Option6.enabled ? state.textColor : state.highlightColor);
    }
}

// Each kind's first name in a full catalog, and "*" in a catalog of one kind.
TEST_F(WizardTest, EachKindGivesItsPatternInAFullCatalogAndEveryEntryInAnother) {
    using Click = void (Wizard::*)();
    const std::pair<Click, const char*> kinds[] = {
        {&Wizard::Option3_Click, "*"},        {&Wizard::Option4_Click, "Open Cluster"},
        {&Wizard::Option5_Click, "*Nebula"},  {&Wizard::Option6_Click, "Galaxy"},
        {&Wizard::Option7_Click, "Globular"}, {&Wizard::Option8_Click, "Planetary"},
        {&Wizard::Option13_Click, "Quasar"},
    };
    for (char flag : {'F', 'M', 'G'}) {
        for (const auto& [click, name] : kinds) {
            Open(flag);
            wizard.Option1_Click();
            wizard.SecondName_Change("left over");
            (wizard.*click)();
            EXPECT_EQ(wizard.FirstName.caption, flag == 'G' ? "*" : name) << flag << " " << name;
            EXPECT_EQ(wizard.SecondName.caption, "");
            EXPECT_TRUE(wizard.Go.enabled && wizard.ConstList.enabled && !wizard.ConstList.items.empty());
        }
    }
    EXPECT_EQ(wizard.GoLabel.caption,
              "Search for All Quasars Above Minimum Elevation, Else Select Constellation");
}

// Galaxies in Leo: in the full catalog the constellation is the second name, in a catalog of
// galaxies the first, each with the blanks that demand the whole name.
TEST_F(WizardTest, AConstellationLimitsTheSearchByItsWholeName) {
    Open('F');
    wizard.Option1_Click();
    wizard.Option6_Click();
    wizard.ConstList_Click(Row("Leo"));
    EXPECT_EQ(wizard.FirstName.caption, "Galaxy");
    EXPECT_EQ(wizard.SecondName.caption, "Leo         ");
    EXPECT_EQ(wizard.GoLabel.caption, "Search for each Galaxy Above Minimum Elevation in Leo         ");
    EXPECT_FALSE(wizard.ConstList.enabled);

    Open('G');
    wizard.Option1_Click();
    wizard.Option6_Click();
    wizard.ConstList_Click(Row("Leo"));
    EXPECT_EQ(wizard.FirstName.caption, "Leo         ");
    EXPECT_EQ(wizard.SecondName.caption, "");
    EXPECT_EQ(wizard.GoLabel.caption, "Search for each object Above Minimum Elevation in Leo         ");
}

// The list replaces the object the main window showed.
TEST_F(WizardTest, BuildingTheConstellationListLeavesNoObject) {
    Open({High({"Bet Cyg"}).replace(87, 1, "D")});
    ASSERT_TRUE(Find("Bet Cyg"));
    wizard.Form_Load();
    wizard.Option2_Click();  // a catalog of doubles: every entry is one, and the list is built
    EXPECT_EQ(state.object.present, 0);
    EXPECT_EQ(state.object.name1, "");
}

// A catalog of galaxies in Leo and elsewhere, at the fixture's moment (Leo rises in the east):
// galaxies in Leo above 30 degrees, brighter than 11, and nothing else.
TEST_F(WizardTest, GoFindsOnlyObjectsMatchingEveryChoice) {
    const double lst = state.clock.localSiderealTime;  // hours
    // At declination +41 an object 5 hours east of the meridian stands about 35 degrees high, 6
    // hours east about 25.
    const double at35 = std::fmod(lst + 5.0, 24.0), at25 = std::fmod(lst + 6.0, 24.0);
    Open({
        CatalogLine({"NGC 1", "", "", "Galaxy", "Leo"}, lst, 41.0, 10.0, 2000, 'F'),
        CatalogLine({"NGC 2", "", "", "Galaxy", "Leo"}, lst, 41.0, 11.5),       // too faint
        CatalogLine({"NGC 3", "", "", "Galaxy", "Leo"}, at25, 41.0, 9.0),       // too low
        CatalogLine({"NGC 4", "", "", "Galaxy", "LeoMinor"}, lst, 41.0, 9.0),   // not Leo
        CatalogLine({"NGC 5", "", "", "Open Cluster", "Leo"}, lst, 41.0, 6.0),  // no galaxy
        CatalogLine({"NGC 6", "", "", "Galaxy Pair", "Leo"}, at35, 41.0, 10.99),
        CatalogLine({"NGC 7", "", "", "Galaxy", "Virgo"}, lst, 41.0, 8.0),    // not Leo
        CatalogLine({"NGC 8", "Leo", "", "Galaxy", "Leo"}, lst, -70.0, 8.0),  // below the horizon
    });
    wizard.Option1_Click();
    wizard.Option6_Click();
    wizard.ConstList_Click(Row("Leo"));
    wizard.MinAltitude_Change("30");
    wizard.MinMag_Change("11");
    wizard.Go_Click();
    EXPECT_FALSE(wizard.visible);
    EXPECT_EQ(Matches(), (std::vector<std::string>{"NGC 1", "NGC 6"}));
    for (const CurrentObject& object : matched) {
        EXPECT_GE(object.altitude, 30.0) << object.name1;
        EXPECT_LE(LeadingNumber(object.magnitudeText), 11.0) << object.name1;
        EXPECT_EQ(object.name5, "Leo         ");
    }
    EXPECT_EQ(state.search.Pattern + "|" + state.search.SecondPattern, "GALAXY|LEO ");
    EXPECT_FLOAT_EQ(state.search.MaximumAltitude, 90.0f);
}

// A named star: a Greek letter, then a constellation, found wherever it stands.
TEST_F(WizardTest, AStarSearchFindsTheLetterInTheConstellationExactly) {
    const double lst = state.clock.localSiderealTime;
    Open({
        CatalogLine({"Alp Tau"}, 4.6, 16.5, 0.9, 2000, 'F'),
        CatalogLine({"Alp Orionis"}, 5.9, 7.4, 0.5),
        CatalogLine({"Alp Ori", "Betelgeuse"}, std::fmod(lst + 12.0, 24.0), -30.0, 0.5),  // set
        CatalogLine({"Bet Ori"}, 5.2, -8.2, 0.1),
    });
    wizard.Option9_Click();
    EXPECT_TRUE(wizard.Combo1.enabled && !wizard.ConstList.enabled && !wizard.Go.enabled);
    ASSERT_EQ(wizard.Combo1.items.size(), 24u);
    EXPECT_EQ(wizard.Combo1.items[11], "Mu ");
    EXPECT_EQ(wizard.MinAltitude.caption + "|" + wizard.MaxAltitude.caption, "|90");
    wizard.Combo1_Click(0);
    EXPECT_EQ(wizard.FirstName.caption, "Alp*");
    EXPECT_TRUE(wizard.ConstList.enabled && !wizard.Combo1.enabled);
    wizard.ConstList_Click(Row("Ori"));
    EXPECT_EQ(wizard.FirstName.caption, "Alp* Ori ");
    EXPECT_EQ(wizard.ConstLabel.foreColor, state.highlightColor);
    wizard.Go_Click();
    EXPECT_EQ(wizard.MinAltitude.caption, "-90");
    EXPECT_EQ(Matches(), std::vector<std::string>{"Alp Ori"});
}

// A number typed in the box is the star's first name; the list is offered once there is one.
TEST_F(WizardTest, ANumberTypedForAStarIsItsFirstName) {
    Open('F');
    wizard.Option9_Click();
    wizard.Combo1_Change("6");
    wizard.Combo1_Change("61");
    EXPECT_EQ(wizard.FirstName.caption, "61");
    EXPECT_TRUE(wizard.ConstList.enabled && wizard.Go.enabled);
    wizard.Combo1_Change("6");  // a digit taken back
    EXPECT_EQ(wizard.FirstName.caption, "6");
}

// Doubles and carbon stars in the full catalog: the fourth name says which ("Dbl Ori",
// "CarbonStar"), the best doubles carry "^" in name 1.
TEST_F(WizardTest, DoublesAndCarbonStarsInTheFullCatalog) {
    const std::vector<std::string> lines = {
        High({"Sirius", "", "", "Dbl CMa", "CanisMajor"}, 2.0).replace(87, 1, "F"),
        High({"Bet Ori   ^^", "", "", "Dbl Ori", "Orion"}),
        High({"Del Ori", "", "", "Dbl Ori", "Orion"}),
        High({"Alp Gem   &^", "", "", "Dbl Gem", "Gemini"}),
        High({"W Ori", "HR 1648", "", "CarbonStar", "Orion"}),
        High({"Alp Ori", "", "", "HR 2061", "Orion"}),
    };
    auto run = [&](void (Wizard::*choice)(), const std::string& constellation) {
        Open(lines);
        wizard.Option2_Click();
        EXPECT_TRUE(wizard.Option10.enabled && wizard.Option11.enabled && wizard.Option12.enabled);
        EXPECT_FALSE(wizard.Go.enabled);
        (wizard.*choice)();
        EXPECT_TRUE(wizard.Go.enabled && wizard.ConstList.enabled && !wizard.Combo1.enabled);
        if (!constellation.empty()) wizard.ConstList_Click(Row(constellation));
        wizard.Go_Click();
        return Matches();
    };
    EXPECT_EQ(run(&Wizard::Option11_Click, ""),
              (std::vector<std::string>{"Sirius", "Bet Ori", "Del Ori", "Alp Gem"}));
    EXPECT_EQ(wizard.SecondName.caption, "");
    EXPECT_EQ(run(&Wizard::Option11_Click, "Ori"), (std::vector<std::string>{"Bet Ori", "Del Ori"}));
    EXPECT_EQ(wizard.SecondName.caption, "*Ori ");
    EXPECT_EQ(wizard.GoLabel.caption, "Search for All Doubles Above Minimum Elevation in Orion       ");
    EXPECT_EQ(run(&Wizard::Option10_Click, ""), (std::vector<std::string>{"Bet Ori", "Alp Gem"}));
    EXPECT_EQ(run(&Wizard::Option10_Click, "Ori"), std::vector<std::string>{"Bet Ori"});
    EXPECT_EQ(run(&Wizard::Option12_Click, ""), std::vector<std::string>{"W Ori"});
    EXPECT_EQ(wizard.FirstName.caption, "CarbonStar");
}

// In a catalog of doubles every entry is one: "*", and the constellation closes the name.
TEST_F(WizardTest, DoublesInACatalogOfDoublesEndInTheConstellation) {
    Open({High({"Bet Ori"}).replace(87, 1, "D"), High({"Bet Orion"}), High({"Gam Ori"}), High({"Alp Gem"})});
    wizard.Option2_Click();
    EXPECT_EQ(wizard.FirstName.caption, "*");
    EXPECT_EQ(wizard.GoLabel.caption,
              "Search for Thousands of Doubles Above Minimum Elevation, else Select Constellation");
    EXPECT_FALSE(wizard.Option10.enabled);
    wizard.ConstList_Click(Row("Ori"));
    EXPECT_EQ(wizard.FirstName.caption, "*Ori ");
    wizard.Go_Click();
    EXPECT_EQ(Matches(), (std::vector<std::string>{"Bet Ori", "Gam Ori"}));
}

// Limits that cannot be searched keep the window open and say which; erased limits are none.
TEST_F(WizardTest, GoChecksTheNameAndTheAltitudes) {
    Open({High({"M31"}, 12.0).replace(87, 1, "F")});
    auto go = [this](const std::string& name, const std::string& minimum, const std::string& maximum) {
        dialogs.messages.clear();
        wizard.FirstName_Change(name);
        wizard.MinAltitude_Change(minimum);
        wizard.MaxAltitude_Change(maximum);
        wizard.MinMag_Change("");
        wizard.Go_Click();
        return dialogs.MessageTexts();
    };
    EXPECT_EQ(go("", "10", "90"), "Must Specify a Name for Search!");
    EXPECT_EQ(go("M31", "90", "90"), "Invalid Value for Minimum Altitude!");
    EXPECT_EQ(go("M31", "-91", "90"), "Invalid Value for Minimum Altitude!");
    EXPECT_EQ(go("M31", "10", "0"), "Invalid Value for Maximum Altitude!");
    EXPECT_EQ(go("M31", "10", "91"), "Invalid Value for Maximum Altitude!");
    EXPECT_TRUE(wizard.visible);
    EXPECT_EQ(state.search.MatchCount, 0);

    EXPECT_EQ(go("M31", "", ""), "");
    EXPECT_FALSE(wizard.visible);
    EXPECT_EQ(Name1(), "M31");  // magnitude 12: no magnitude limit without one typed
    EXPECT_FLOAT_EQ(state.search.MinimumAltitude, -90.0f);
    EXPECT_FLOAT_EQ(state.search.MaximumAltitude, 90.0f);
    EXPECT_FLOAT_EQ(state.search.FaintestMagnitude, 100.0f);
    EXPECT_EQ(wizard.MinMag.caption, "100");
}

// Opening clears what an earlier visit typed and ends a Best of the Sky.
TEST_F(WizardTest, OpeningStartsAfresh) {
    Open('F');
    wizard.Option1_Click();
    wizard.Option6_Click();
    wizard.MinMag_Change("9");
    state.search.BestOfSearch = state.search.EitherName = true;
    wizard.Form_Load();
    EXPECT_EQ(wizard.FirstName.caption + wizard.MinAltitude.caption + wizard.MaxAltitude.caption +
                  wizard.MinMag.caption,
              "");
    EXPECT_FALSE(wizard.Option1.value || wizard.Option6.value || wizard.Option6.enabled);
    EXPECT_FALSE(state.search.BestOfSearch || state.search.EitherName);
}

}  // namespace
}  // namespace talvo
