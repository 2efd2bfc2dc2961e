#include <gtest/gtest.h>

#include "catalog/catalog_maintenance.h"
#include "catalog_fixture.h"

namespace talvo {
namespace {

class MatchesFileTest : public testing::SearchTest {};

TEST_F(MatchesFileTest, TheHeaderDescribesTheSearch) {
    UseCatalog({High({"M31", "NGC 224"})});
    ASSERT_TRUE(engine.StartSearch({"m 31", "ngc 224", "20", "", "6"}));
    engine.ResetChain();
    std::vector<std::string> lines = MatchesLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "TALVO+S Search= \"M31\" and \"NGC224\". Objects above  20\xB0, Brighter than Mag 6");
    EXPECT_EQ(lines[1], "Data is for 12-07-2026 at 01:30:00 Local Time, UTC= 06:30:00  ");
    EXPECT_EQ(lines[2],
              "Lat=40\xB0"
              "30.0' N, Long=74\xB0"
              "15.0' W, Location File= TALVO.HOM, Catalog= cat.tlv");
    EXPECT_EQ(lines[3], "    ");
    EXPECT_EQ(lines[4].substr(0, 32), " 1. M31          ,NGC 224      ,");

    engine.BestOfTheSky();
    engine.ResetChain();
    EXPECT_EQ(MatchesLines()[0], "TALVO+S Search= \"Best of the Sky\"");
}

TEST_F(MatchesFileTest, EntriesAreNumberedInThreeColumns) {
    std::vector<std::string> catalog = Numbered("NGC ", 125);
    catalog[6] = High({"NGC 7"}, 99);
    catalog[11] = High({"NGC 12"}, {});  // no magnitude
    UseCatalog(catalog);
    for (bool found = Find("NGC"); found; found = engine.NextMatch()) {
    }
    std::vector<std::string> lines = MatchesLines();
    ASSERT_EQ(lines.size(), 4u + 2 * 125);
    auto entry = [&lines](int k) { return lines[4 + 2 * (k - 1)]; };
    auto details = [&lines](int k) { return lines[5 + 2 * (k - 1)]; };
    const std::string blank(12, ' ');
    EXPECT_EQ(entry(7),
              " 7. NGC 7        ," + blank + " ," + blank + " ," + blank + "        ," + blank + ",");
    EXPECT_EQ(entry(12).substr(0, 17), "12. NGC 12       ");
    EXPECT_EQ(entry(123).substr(0, 17), "123.NGC 123      ");

    EXPECT_EQ(details(1).substr(0, 8), "    Alt=");
    EXPECT_NE(details(1).find("\xB0,    Mag= 5.0,     R.A. = "), std::string::npos) << details(1);
    for (int k : {7, 12}) {
        EXPECT_NE(details(k).find("\xB0," + blank + ",     R.A. = "), std::string::npos) << details(k);
    }
    EXPECT_NE(details(123).find("   Dec = "), std::string::npos);
}

TEST_F(MatchesFileTest, SaveMatchesRunsTheSearchToItsEnd) {
    UseCatalog(Numbered("NGC ", 40));
    ASSERT_TRUE(Find("NGC"));
    dialogs.messageAnswers = {platform::MessageAnswer::Yes};
    SaveMatches(state, engine, dialogs, mainWindow);

    EXPECT_EQ(Name1(), "NGC 40");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "40 Matches written to 'matches.txt'. View list of matches?");
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.openedDocuments, std::vector<std::string>{dir.File("MATCHES.TXT")});
    std::vector<std::string> lines = MatchesLines();
    ASSERT_EQ(lines.size(), 4u + 2 * 40);
    EXPECT_EQ(lines[4 + 2 * 39].substr(0, 10), "40. NGC 40");
    EXPECT_EQ(mainWindow.exhaustedCaption, "m View Matches");
    EXPECT_EQ(mainWindow.exhaustedCount, 40);

    // With no search open the file is shown at once.
    SaveMatches(state, engine, dialogs, mainWindow);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.openedDocuments.size(), 2u);
}

}  // namespace
}  // namespace talvo
