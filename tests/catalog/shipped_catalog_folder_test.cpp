// An installed TALVO: the observer's catalogs in the writable folder (the scratch folder) and
// the shipped ones in the data folder ("share/"). The chooser lists both, and adding to a
// shipped catalog works on the observer's copy of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalog/catalog_maintenance.h"
#include "catalog_fixture.h"
#include "forms/catalog_select.h"

namespace talvo {
namespace {

using testing::CatalogLine;

class ShippedCatalogFolderTest : public testing::SearchTest {
protected:
    ShippedCatalogFolderTest() {
        std::filesystem::create_directories(dataDir);
        state.dataDir = dataDir;
        testing::WriteCatalog(dataDir + "FULL.TLV", {High({"M31"})});
        testing::WriteCatalog(dataDir + "MESSIER.TLV", {High({"M31"})});
        testing::WriteCatalog(dir.File("MESSIER.TLV"), {High({"M32"})});  // the observer's copy
        testing::WriteCatalog(dir.File("MINE.TLV"), {High({"M33"})});
    }

    int Index(const std::string& file) const {
        const std::vector<std::string>& files = window.File1Items;
        return static_cast<int>(std::find(files.begin(), files.end(), file) - files.begin());
    }

    void AddObject() {
        SelectPosition(state, 9.5, 69.0, 2000.0);
        state.object.name1 = "M 81        ";
        dialogs.messageAnswers = {MessageAnswer::Ok};
    }

    std::string dataDir = dir.File("share/");
    CatalogSelect window{state, searches, dialogs};
};

TEST_F(ShippedCatalogFolderTest, TheChooserListsBothFoldersAndTheObserversCopyWins) {
    state.catalogFolder = dataDir;
    state.catalogFileName = "FULL.TLV";
    window.Form_Load();
    EXPECT_EQ(window.Dir1Path, dir.path());  // a shipped catalog opens the writable folder
    EXPECT_EQ(window.File1Items, (std::vector<std::string>{"FULL.TLV", "MESSIER.TLV", "MINE.TLV"}));
    EXPECT_FALSE(window.DefaultCat.enabled);  // the shipped FULL.TLV is the default catalog

    window.File1_Click(Index("MESSIER.TLV"));
    EXPECT_EQ(state.catalogFolder + state.catalogFileName, dir.File("MESSIER.TLV"));
    window.Form_Load();
    window.File1_Click(Index("FULL.TLV"));
    EXPECT_EQ(state.catalogFolder + state.catalogFileName, dataDir + "FULL.TLV");

    window.Form_Load();
    window.File1_Click(Index("MINE.TLV"));
    window.Form_Load();
    window.DefaultCat_Click();
    EXPECT_EQ(state.catalogFolder + state.catalogFileName, dataDir + "FULL.TLV");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ShippedCatalogFolderTest, AddingToAShippedCatalogCopiesItToTheWritableFolderFirst) {
    const std::string shipped = testing::ReadFile(dataDir + "FULL.TLV");
    ASSERT_TRUE(searches.ChooseCatalog("FULL.TLV", dataDir));
    AddObject();
    ASSERT_TRUE(searches.AddCurrentObject()) << dialogs.MessageTexts();
    EXPECT_EQ(testing::ReadFile(dataDir + "FULL.TLV"), shipped);
    const std::string copy = testing::ReadFile(dir.File("FULL.TLV"));
    EXPECT_EQ(copy.substr(0, shipped.size()), shipped);
    EXPECT_EQ(copy.substr(shipped.size(), 12), "M 81        ");
    EXPECT_EQ(state.catalogFolder, dir.path());
    EXPECT_TRUE(IsDefaultCatalog(state));

    // The copy now stands for the default catalog, and the next entry goes to it.
    AddObject();
    ASSERT_TRUE(searches.AddCurrentObject());
    EXPECT_EQ(testing::ReadFile(dir.File("FULL.TLV")).size(), copy.size() * 2 - shipped.size());
}

TEST_F(ShippedCatalogFolderTest, AnObserversCopyIsNeverReplacedByTheShippedCatalog) {
    const std::string own = testing::ReadFile(dir.File("MESSIER.TLV"));
    state.catalogFileName = "MESSIER.TLV";
    state.catalogFolder = dataDir;
    ASSERT_TRUE(UseWritableCatalog(state).ok);
    EXPECT_EQ(state.catalogFolder, dir.path());
    EXPECT_EQ(testing::ReadFile(dir.File("MESSIER.TLV")), own);

    // Nothing to do for a catalog of another folder, or when both folders are one.
    state.catalogFolder = dir.File("elsewhere/");
    ASSERT_TRUE(UseWritableCatalog(state).ok);
    EXPECT_EQ(state.catalogFolder, dir.File("elsewhere/"));
    state.dataDir = state.appDir;
    state.catalogFolder = state.appDir;
    ASSERT_TRUE(UseWritableCatalog(state).ok);
}

TEST_F(ShippedCatalogFolderTest, ACopyThatCannotBeMadeIsReportedAndAddsNothing) {
    testing::WriteFile(dir.File("blocked"), "");
    state.appDir = dir.File("blocked/");  // a file where the writable folder should be
    ASSERT_TRUE(searches.ChooseCatalog("FULL.TLV", dataDir));
    AddObject();
    EXPECT_FALSE(searches.AddCurrentObject());
    EXPECT_EQ(state.catalogFolder, dataDir);
    EXPECT_EQ(
        dialogs.messages.back().text.rfind("The object could not be added: the shipped catalog FULL.TLV "
                                           "cannot be copied to " +
                                               dir.File("blocked/"),
                                           0),
        0u)
        << dialogs.MessageTexts();
}

TEST_F(ShippedCatalogFolderTest, ANewCatalogStartedInTheDataFolderIsMadeInTheWritableOne) {
    window.Form_Load();
    window.Dir1_Change(dataDir);
    ASSERT_EQ(window.Dir1Path, dataDir);
    dialogs.inputAnswers = {"NEW", "2000"};
    window.NewCatalog_Click();
    EXPECT_EQ(state.catalogFolder + state.catalogFileName, dir.File("NEW.TLV"));
}

}  // namespace
}  // namespace talvo
