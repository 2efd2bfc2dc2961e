#include "forms/catalog_select.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalog_fixture.h"

namespace talvo {
namespace {

using testing::CatalogLine;

// The chooser opens on the folder "cats": the catalogs B.TLV (galaxies) and a.tlv (empty), a
// text file and a sub-folder.
class CatalogSelectTest : public testing::SearchTest {
protected:
    CatalogSelectTest() {
        std::filesystem::create_directories(dir.File("cats/sub"));
        testing::WriteCatalog(dir.File("cats/B.TLV"), {CatalogLine({"M31"}, 0.7, 41.3, {}, 2000, 'G')});
        testing::WriteFile(dir.File("cats/a.tlv"), "");
        testing::WriteFile(dir.File("cats/c.txt"), CatalogLine({"M31"}));
        state.catalogFileName = "B.TLV";
        state.catalogFolder = dir.File("cats/");
    }

    int Index(const std::string& file) const {
        const std::vector<std::string>& files = window.File1Items;
        return static_cast<int>(std::find(files.begin(), files.end(), file) - files.begin());
    }

    CatalogSelect window{state, searches, dialogs};
};

// The default catalog: reported when it is not beside the program, chosen when it is, and the
// button is off while it is the catalog.
TEST_F(CatalogSelectTest, ACatalogThatCannotBeOpenedIsReportedAndTheDefaultWorksOnlyAwayFromIt) {
    window.Form_Load();
    EXPECT_TRUE(window.DefaultCat.enabled);
    std::filesystem::remove(dir.File("cats/B.TLV"));
    window.File1_Click(Index("B.TLV"));  // gone since the list was made
    window.DefaultCat_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "CANNOT OPEN CATALOG B.TLV|CANNOT OPEN CATALOG FULL.TLV");
    EXPECT_EQ(mainWindow.status, "CANNOT OPEN CATALOG FULL.TLV");

    testing::WriteCatalog(dir.File("FULL.TLV"), {High({"M31"})});
    window.DefaultCat_Click();
    EXPECT_EQ(state.catalogFolder + state.catalogFileName, dir.File("FULL.TLV"));
    window.Form_Load();
    EXPECT_FALSE(window.DefaultCat.enabled);
}

// Hourly ("T") and per-minute ("t") positions of one comet or asteroid: no name search. A catalog
// chosen after them is searched by name again, and the search before is gone.
TEST_F(CatalogSelectTest, ClickingACatalogSelectsItAndATransientOneSaysWhatItHolds) {
    testing::WriteCatalog(dir.File("cats/HOURLY.TLV"),
                          {CatalogLine({"0101 00 2026"}, 1.0, 2.0, {}, 2000, 'T')});
    testing::WriteCatalog(dir.File("cats/MINUTES.TLV"),
                          {CatalogLine({"010100002026"}, 1.0, 2.0, {}, 2000, 't')});
    for (const char* file : {"HOURLY.TLV", "MINUTES.TLV"}) {
        window.Form_Load();
        window.File1_Click(Index(file));
        EXPECT_EQ(
            mainWindow.status,
            "This catalog contains the positions of a single object (comet or asteroid) at various times.")
            << file;
        EXPECT_EQ(mainWindow.searchCaption, "Transient Object") << file;
        // Neither holds a line for the moment set (06:30 UTC on 7 December 2026).
        EXPECT_EQ(dialogs.MessageTexts(), std::string("The Transient Catalog ") + file +
                                              " contains no positions for the time set in TALVO.\n\r"
                                              "Either change the time, or change catalogs.");
        dialogs.messages.clear();
    }
    window.Form_Load();
    EXPECT_EQ(window.File1Items, (std::vector<std::string>{"B.TLV", "HOURLY.TLV", "MINUTES.TLV", "a.tlv"}));
    EXPECT_EQ(window.Dir1Items, std::vector<std::string>{"sub"});
    UseCatalog({High({"M31"})});
    ASSERT_TRUE(Find("M31"));
    window.File1_Click(Index("B.TLV"));
    EXPECT_TRUE(!window.visible && dialogs.messages.empty());
    EXPECT_EQ(mainWindow.status, "Catalog = " + dir.File("cats/B.TLV"));
    EXPECT_EQ(mainWindow.searchCaption, "/ Simple Search");
    EXPECT_TRUE(state.contents.galaxies && state.search.MatchCount == 0);
}

// A new catalog is a name (".TLV" added) and an epoch of 1900-2100; no file until an object is
// added, which is asked first.
TEST_F(CatalogSelectTest, ANewCatalogIsANameAndAnEpochAndAddingToItAsksFirst) {
    window.Form_Load();
    window.Dir1_Change("sub");
    dialogs.inputAnswers = {"MYOBJ.TXT", "1800", "abc", "1950"};
    window.NewCatalog_Click();
    EXPECT_EQ(state.catalogFolder + state.catalogFileName, dir.File("cats/sub/MYOBJ.TLV"));
    EXPECT_EQ(state.catalogEpoch, 1950.0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("cats/sub")));

    SelectPosition(state, 9.5, 69.0, 2000.0);
    state.object.name1 = "M 81        ";
    dialogs.messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    EXPECT_FALSE(searches.AddCurrentObject());
    EXPECT_FALSE(std::filesystem::exists(dir.File("cats/sub/MYOBJ.TLV")));
    EXPECT_EQ(dialogs.messages[0].text, "Do you want to add the object M 81         to catalog MYOBJ.TLV ?");
    EXPECT_TRUE(searches.AddCurrentObject());
    EXPECT_FALSE(state.object.notInCatalog);
    EXPECT_EQ(testing::ReadFile(dir.File("cats/sub/MYOBJ.TLV")).substr(0, 12), "M 81        ");
}

}  // namespace
}  // namespace talvo
