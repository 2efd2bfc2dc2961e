// The search engine: its match chain, Best of the Sky, cancelling, and the matches file it writes.
#include "catalog/search_engine.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/catalog_maintenance.h"
#include "catalog_fixture.h"

namespace talvo {
namespace {

using testing::CatalogLine;

class SearchEngineTest : public testing::SearchTest {
protected:
    // A right ascension (epoch 2000) that puts a declination 17.5 degrees high in the east now.
    double RisingAt17(double dec) const {
        CurrentObject object;
        object.present = 1;
        for (double ra = state.clock.localSiderealTime;; ra = std::fmod(ra + 0.001, 24.0)) {
            StorePosition(object, ra, dec);
            Precess(object, 2000.0, GetTargetEpoch(state.clock, 0.0), state.site.latitude);
            if (CalcAltAz(object, state.site.latitude, state.clock.localSiderealTime) < 17.5) return ra;
        }
    }
};

TEST_F(SearchEngineTest, TheChainReplaysStoredMatchesThenReadsOn) {
    UseCatalog({High({"NGC 1"}), High({"HR 1"}), High({"NGC 2"}), High({"NGC 3"}), High({"NGC 4"})});
    int windowChanges = 0;
    searching.changed = [&] { ++windowChanges; };
    ASSERT_TRUE(Find("NGC") && Next() && Next());
    EXPECT_EQ(Name1(), "NGC 3");

    // The catalog stays open between matches; its name may go.
    std::filesystem::remove(dir.File("cat.tlv"));
    const long linesRead = state.search.LinesRead;
    windowChanges = 0;
    ASSERT_TRUE(engine.Previous());
    EXPECT_EQ(Name1(), "NGC 2");
    ASSERT_TRUE(engine.Previous());
    EXPECT_EQ(Name1(), "NGC 1");
    EXPECT_FALSE(engine.Previous());
    ASSERT_TRUE(Next() && Next());
    EXPECT_EQ(Name1(), "NGC 3");
    EXPECT_EQ(state.search.LinesRead, linesRead);
    EXPECT_EQ(windowChanges, 0);  // no scan ran

    ASSERT_TRUE(Next());
    EXPECT_EQ(Name1(), "NGC 4");
    EXPECT_EQ(state.search.LinesRead, linesRead + 1);
    EXPECT_EQ(state.search.MatchCount, 4);
    EXPECT_GT(windowChanges, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SearchEngineTest, CancelKeepsTheCurrentObjectWithoutAMessage) {
    std::vector<std::string> lines = Numbered("HR ", 298);
    lines.insert(lines.begin(), CatalogLine({"NGC 1"}, 1.0, 60.0));
    lines.push_back(High({"NGC 2"}));
    UseCatalog(lines);
    int looks = 0;  // Cancel is pressed at the second look at the interface, at line 200
    dialogs.onDoEvents = [&] {
        if (++looks == 2) searching.CancelSearchButton_Click();
    };
    ASSERT_TRUE(Find("NGC"));
    EXPECT_FALSE(Next());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Name1(), "NGC 1");
    EXPECT_EQ(state.search.LinesRead, 200);
    EXPECT_FALSE(state.search.SearchOpen || searching.visible);
}

// A search that finds nothing names its limits; a maximum altitude binds only unattended searches
// (talvo-cli's tests run those).
TEST_F(SearchEngineTest, NotFoundNamesTheLimits) {
    UseCatalog({High({"M31"})});
    EXPECT_FALSE(Find("zzz", "10", "80", "6"));
    EXPECT_EQ(dialogs.MessageTexts(),
              "Object ZZZ  Not Found in Catalog cat.tlv\n\rAbove  10 Degrees\n\rBelow  80 Degrees\n\r"
              "Brighter than Mag 6");
    EXPECT_TRUE(Find("M31", "-90", "30"));  // nearly overhead, yet found
}

TEST_F(SearchEngineTest, AnExactNameOneIsFoundWhateverItsMagnitude) {
    UseCatalog({High({"M31", "NGC 224"}, 3.44), High({"NGC 221", "M32"}, 8.08)});
    EXPECT_TRUE(Find("M31 ", "", "", "2"));
    EXPECT_FALSE(Find("M3", "", "", "2"));    // a prefix is not the whole name
    EXPECT_FALSE(Find("M32 ", "", "", "2"));  // the whole name, but not name 1
}

// A declination beyond a pole or a right ascension past 24 hours is never offered as a position:
// like a line that names nothing ("NonExistent", "Star: n"), it is an invalid entry, skipped and
// counted.
TEST_F(SearchEngineTest, PositionsOutsideTheSkyAreInvalidEntries) {
    std::string beyondThePole = High({"NGC 9001"});
    beyondThePole.replace(69, 9, "999999   ");
    std::string pastTwentyFour = High({"NGC 9002"});
    pastTwentyFour.replace(60, 9, "  25.0000");
    UseCatalog({beyondThePole, pastTwentyFour, High({"NGC 9003", "NonExistent"}),
                High({"NGC 9004", "Star: 12"}), High({"NGC 9005"}), High({"Stars: 5"})});
    ASSERT_TRUE(Find("NGC 9"));
    EXPECT_EQ(Name1(), "NGC 9005");
    EXPECT_FALSE(Next());
    EXPECT_EQ(state.search.MatchCount, 1);
    EXPECT_EQ(dialogs.messages.back().text,
              "No More Matches for NGC9  found in Catalog cat.tlv\n\r 4Invalid Catalog entries ignored");
    const std::vector<std::string> matches = MatchesLines();
    ASSERT_GE(matches.size(), 2u);
    EXPECT_EQ(matches[matches.size() - 2] + "|" + matches.back(), "  | 4  invalid catalog entries ignored.");

    EXPECT_TRUE(Find("Stars: 5 "));  // named exactly in name 1, an invalid entry is still found
    state.scope.ignoreInvalid = false;
    ASSERT_TRUE(Find("NGC 9"));
    EXPECT_EQ(Name1(), "NGC 9003");
}

// The detailed search takes a faintest magnitude from 0 to 19 only; others are asked again.
TEST_F(SearchEngineTest, DetailedSearchAsksAgainForAMagnitudeOutsideZeroToNineteen) {
    UseCatalog({High({"M31"})});
    dialogs.inputAnswers = {"M31", "", "", "25", "-1", "19.5", "19"};
    EXPECT_EQ(searches.DetailedSearch(), SearchOutcome::Found);
    EXPECT_EQ(dialogs.prompts.size(), 7u);
    EXPECT_EQ(state.search.FaintestMagnitude, 19.0f);
    EXPECT_EQ(state.search.MinimumAltitude, static_cast<float>(kNoMinimumAltitude));  // left empty
}

TEST_F(SearchEngineTest, BestOfTheSkyOffersBothMarkersInTurn) {
    UseCatalog({High({"M42       &^"}), High({"NGC 1     ^^"}), High({"M31       &^"}),
                High({"NGC 2     ^^"}), High({"M45"})});
    std::vector<std::string> offered;
    for (bool found = BestOf(); found; found = Next()) offered.push_back(Name1());
    EXPECT_EQ(offered, (std::vector<std::string>{"M42", "M31", "NGC 1", "NGC 2"}));
    EXPECT_EQ(dialogs.MessageTexts(), "No More 'Best of the Sky'");
}

// A low object is offered once it stands half as high as it ever will.
TEST_F(SearchEngineTest, BestOfTheSkyTakesLowObjectsFromHalfTheirTransitAltitude) {
    const double latitude = 40.5;
    const double culminatesAt30 = latitude - 60.0, culminatesAt50 = latitude - 40.0;
    UseCatalog({CatalogLine({"Low       &^"}, RisingAt17(culminatesAt30), culminatesAt30),
                CatalogLine({"Higher    &^"}, RisingAt17(culminatesAt50), culminatesAt50)});
    std::vector<std::string> offered;
    for (bool found = BestOf(); found; found = Next()) offered.push_back(Name1());
    EXPECT_EQ(offered, std::vector<std::string>{"Low"});
    EXPECT_LT(state.object.altitude, 20.0);
}

TEST_F(SearchEngineTest, PlanetLinesBelongToBestOfTheSky) {
    // Jupiter stands 38.5 degrees high and 39.9" across.
    auto planetLine = [](const std::string& minimumAltitude, const std::string& minimumDiameter) {
        return CatalogLine({"!Planet=05&^", minimumAltitude, minimumDiameter});
    };
    UseCatalog({planetLine("30", "35")});
    EXPECT_FALSE(Find("*&^"));
    ASSERT_TRUE(BestOf());
    EXPECT_EQ(state.object.name1 + "|" + state.object.name2, "Jupiter    |4.937 AU    ");
    engine.ResetChain();
    EXPECT_EQ(MatchesLines()[4].substr(0, 28), " 1. Jupiter     , Dist=4.937");

    UseCatalog({planetLine("45", "35")});
    EXPECT_FALSE(BestOf());
    UseCatalog({planetLine("30", "45")});
    EXPECT_FALSE(BestOf());
}

// The matches file: a header that describes the search, then entries numbered in three columns,
// each followed by a line of its details; saving the matches runs the search to its end.
TEST_F(SearchEngineTest, SaveMatchesWritesTheHeaderAndEveryEntryNumbered) {
    std::vector<std::string> catalog;
    for (int i = 1; i <= 105; ++i)
        catalog.push_back(
            High({"NGC " + std::to_string(i), "IC 1"}, i == 7 ? std::nullopt : std::optional(5.0)));
    UseCatalog(catalog);
    ASSERT_TRUE(Find("ngc", "20", "", "6", "ic 1"));
    dialogs.messageAnswers = {MessageAnswer::Yes};
    searches.SaveMatches();
    EXPECT_EQ(Name1(), "NGC 105");
    EXPECT_EQ(dialogs.MessageTexts(), "105 Matches written to 'matches.txt'. View list of matches?");
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{dir.File("MATCHES.TXT")});
    EXPECT_EQ(mainWindow.exhausted, "m View Matches 105");

    std::vector<std::string> lines = MatchesLines();
    ASSERT_EQ(lines.size(), 4u + 2 * 105);
    EXPECT_EQ(lines[0], "TALVO+S Search= \"NGC\" and \"IC1\". Objects above  20\xB0, Brighter than Mag 6");
    EXPECT_EQ(lines[1], "Data is for 12-07-2026 at 01:30:00 Local Time, UTC= 06:30:00  ");
    EXPECT_EQ(lines[2],
              "Lat=40\xB0"
              "30.0' N, Long=74\xB0"
              "15.0' W, Location File= TALVO.HOM, Catalog= cat.tlv");
    EXPECT_EQ(lines[3], "    ");
    const std::string blank(12, ' ');
    EXPECT_EQ(lines[4 + 2 * 6],
              " 7. NGC 7        ,IC 1         ," + blank + " ," + blank + "        ," + blank + ",");
    EXPECT_EQ(lines[4 + 2 * 104].substr(0, 17), "105.NGC 105      ");
    const std::string details =
        "    Alt=89.4\xB0,    Az=037.0\xB0,    Mag= 5.0,     R.A. =  6h 39.11m,   Dec =  40\xB0 58.5',";
    EXPECT_EQ(lines[5], details);
    EXPECT_EQ(lines[5 + 2 * 6], std::string(details).replace(28, 12, blank));  // no magnitude

    searches.SaveMatches();  // with no search open the file is shown at once
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.openedDocuments.size(), 2u);
    BestOf();
    engine.ResetChain();
    EXPECT_EQ(MatchesLines()[0], "TALVO+S Search= \"Best of the Sky\"");
}

// A matches file that cannot be written is said, and no older list stays to pass for this one.
TEST_F(SearchEngineTest, AMatchesFileThatCannotBeWrittenIsReported) {
    UseCatalog(Numbered("NGC ", 3));
    testing::WriteFile(dir.File("MATCHES.TXT"), "an older search\r\n");
    std::filesystem::create_directory(dir.File("MATCHES.TXT.tmp"));  // the new file cannot be made
    ASSERT_TRUE(Find("NGC"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("MATCHES.TXT")));
    const std::string failure = "The matches file " + dir.File("MATCHES.TXT") + " could not be written: ";
    EXPECT_EQ(mainWindow.status.substr(0, failure.size()), failure);
    EXPECT_TRUE(dialogs.messages.empty());  // the match is shown; the failure waits for the end

    searches.SaveMatches();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text.substr(0, failure.size()), failure);
    EXPECT_TRUE(dialogs.openedDocuments.empty());
    EXPECT_EQ(dialogs.MessageTexts().find("Matches written"), std::string::npos);
}

}  // namespace
}  // namespace talvo
