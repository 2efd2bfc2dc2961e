// The transient catalog window: designations made into file names, the list of the transient
// folder, loading a catalog by name or from the list, and deleting one without leaving the folder.
#include "forms/transient_select.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/catalog_fixture.h"
#include "support/main_window_fixture.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::CatalogLine;

TEST(TransientFileName, KeepsDesignationsAndRefusesOtherCharacters) {
    TransientFileName name = MakeTransientFileName("C/2026 A1 (Example)");
    EXPECT_EQ(name.name, "C-2026 A1 (Example)");
    EXPECT_TRUE(name.comet && !name.nearEarth && !name.invalid);

    name = MakeTransientFileName("P-12");
    EXPECT_EQ(name.name, "P-12");
    EXPECT_TRUE(name.comet);

    name = MakeTransientFileName("\"2026 XY\"@");
    EXPECT_EQ(name.name, "2026 XY@");
    EXPECT_TRUE(name.nearEarth && !name.comet && !name.invalid);

    for (const char* refused : {"Halley#1", "../etc", "a.tlv", "a\\b", "caf\xE9"}) {
        name = MakeTransientFileName(refused);
        ASSERT_TRUE(name.invalid) << refused;
    }
    EXPECT_EQ(MakeTransientFileName("Halley#1").invalid, '#');
    EXPECT_EQ(MakeTransientFileName("../etc").invalid, '.');
}

class TransientSelectTest : public testing::MainWindowTest {
protected:
    TransientSelectTest() {
        state.appDir = dir.path();
        state.transientDir = dir.path() + "TransientCats/";
        std::filesystem::create_directory(state.transientDir);
        form.Form_Load();
    }
    void Write(const std::string& file, const std::vector<std::string>& lines) {
        testing::WriteCatalog(state.transientDir + file, lines);
    }
    static std::string Line(const std::string& moment) {
        return CatalogLine({moment, "C/2026 A1", "", "", "Comet"}, 1.5, 20.0, 9.5, 2000, 'T');
    }
    bool Exists(const std::string& file) const { return std::filesystem::exists(state.transientDir + file); }

    testing::ScratchDir dir;
    TransientSelect& window = form.transientSelect;
};

TEST_F(TransientSelectTest, OpensOnTheCatalogsOfTheFolder) {
    Write("b.TLV", {Line("1207 03 2026")});
    Write("a.tlv", {Line("1207 03 2026")});
    testing::WriteFile(state.transientDir + "notes.txt", "");
    std::filesystem::create_directory(state.transientDir + "sub.tlv");
    form.Form_KeyPress('a');
    EXPECT_EQ(form.openRequest, Form1::Open::TransientSelect);
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.File1.items, (std::vector<std::string>{"a.tlv", "b.TLV"}));
    EXPECT_EQ(window.File1.listIndex, -1);
    EXPECT_FALSE(window.DeleteFile.enabled);
    EXPECT_TRUE(window.Text1.enabled);
    EXPECT_EQ(window.NewFileLabel.caption, "Enter New Object Name");
    EXPECT_FALSE(window.Label3.visible);  // the web pages it would open do not exist
    EXPECT_TRUE(window.Status.visible);   // making a catalog from orbital elements

    window.File1_Click(1);
    EXPECT_TRUE(window.DeleteFile.enabled);
    window.File1_Click(7);
    EXPECT_FALSE(window.DeleteFile.enabled);

    // In a set moment only a near-Earth object may be named.
    state.clock.realTime = false;
    window.Form_Load();
    EXPECT_FALSE(window.Text1.enabled);
    EXPECT_EQ(window.NewFileLabel.caption,
              "Must be in Real-Time Mode to Load New Object (Near-Earth Objects Excepted)");
    EXPECT_EQ(window.Text1.toolTip, window.NewFileLabel.caption);
    window.EarthGraze_Click(true);
    EXPECT_TRUE(window.Text1.enabled);
}

TEST_F(TransientSelectTest, LoadsATypedDesignationOrTheSelectedFile) {
    Write("C-2026 A1.TLV", {Line("1207 02 2026"), Line("1207 03 2026")});
    Write("2026 XY@.tlv", {Line("1207 03 2026")});
    form.GetComet_Click();
    window.Command1_Click();  // nothing typed, nothing selected
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(state.catalogFileName, "FULL.TLV");

    form.GetComet_Click();
    window.Text1_Change("C/2026 A1");
    window.Command1_Click();
    EXPECT_FALSE(window.visible);
    EXPECT_TRUE(window.comet);
    EXPECT_EQ(state.catalogFileName, "C-2026 A1.TLV");
    EXPECT_EQ(state.catalogFolder, state.transientDir);
    EXPECT_TRUE(state.object.transientCatalog);
    EXPECT_EQ(form.Name1.caption, "UT = 1207 03 2026");

    form.GetComet_Click();
    window.File1_Click(0);
    window.Command1_Click();
    EXPECT_TRUE(window.EarthGraze.value);  // "@" marks a near-Earth object
    EXPECT_FALSE(window.comet);
    EXPECT_EQ(state.catalogFileName, "2026 XY@.tlv");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TransientSelectTest, FailuresLeaveTheCatalogAndObjectAsTheyWere) {
    testing::WriteCatalog(dir.File("mine.tlv"), {CatalogLine({"M42"}, 5.5881, -5.3911, 4.0)});
    ASSERT_TRUE(form.searches.ChooseCatalog("mine.tlv", dir.path()));
    Write("late.tlv", {Line("0101 00 2026")});
    Write("plain.tlv", {CatalogLine({"M1"}, 5.5755, 22.0145, 8.4)});
    const std::string m42 = state.object.name1;

    form.GetComet_Click();
    window.Text1_Change("Halley#1");
    window.Command1_Click();
    EXPECT_TRUE(window.visible);  // the name can be corrected
    EXPECT_EQ(dialogs.MessageTexts(), "Invalid Character '#' in name");

    window.Text1_Change("C/2099 Z9");
    window.Command1_Click();
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(dialogs.messages.back().text,
              "No Transient Catalog C-2099 Z9.tlv in " + state.transientDir +
                  ". Transient catalogs are placed in that folder to be loaded.");

    for (const char* file : {"late", "plain"}) {
        form.GetComet_Click();
        window.Text1_Change(file);
        window.Command1_Click();
        EXPECT_EQ(state.catalogFileName, "mine.tlv") << file;
        EXPECT_EQ(state.catalogFolder, dir.path());
        EXPECT_EQ(state.object.name1, m42);
        EXPECT_FALSE(state.object.transientCatalog);
        EXPECT_EQ(form.SimpleSearch.caption, "/ Simple Search");
        EXPECT_TRUE(form.SimpleSearch.enabled);
    }
    EXPECT_EQ(dialogs.messages.size(), 4u);  // no positions for late.tlv; plain.tlv is not transient
    EXPECT_TRUE(Exists("late.tlv"));
}

TEST_F(TransientSelectTest, AnObsoleteCatalogDeletedIsReported) {
    Write("old.tlv", {Line("0101 00 2025")});
    form.GetComet_Click();
    window.Text1_Change("old");
    dialogs.messageAnswers = {MessageAnswer::Yes};
    window.Command1_Click();
    EXPECT_FALSE(Exists("old.tlv"));
    EXPECT_EQ(dialogs.messages.back().text, "File is obsolete, deleting. Need to make new Transient file.");
    EXPECT_EQ(state.catalogFileName, "FULL.TLV");
}

TEST_F(TransientSelectTest, DeletesOnlyTheSelectedFileOfTheFolder) {
    Write("a.tlv", {Line("1207 03 2026")});
    Write("b.tlv", {Line("1207 03 2026")});
    testing::WriteFile(dir.File("outside.tlv"), "keep");
    form.GetComet_Click();
    window.File1_Click(0);
    window.DeleteFile_Click();
    EXPECT_FALSE(Exists("a.tlv"));
    EXPECT_EQ(window.File1.items, (std::vector<std::string>{"b.tlv"}));
    EXPECT_FALSE(window.DeleteFile.enabled);

    // A name that is not a file of the folder is never followed out of it.
    window.File1.items = {"../outside.tlv"};
    window.File1_Click(0);
    window.DeleteFile_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "Unable to Delete ../outside.tlv");
    EXPECT_TRUE(std::filesystem::exists(dir.File("outside.tlv")));
    EXPECT_TRUE(Exists("b.tlv"));
}

TEST_F(TransientSelectTest, ACatalogMadeFromOrbitalElementsIsPutInTheFolderAndLoaded) {
    // A comet line and a minor-planet line, in the Minor Planet Center's columns.
    std::string comet(160, ' ');
    comet.replace(0, 5, "0012P");
    comet.replace(14, 87,
                  "2024 04 21.1462  0.780790  0.954588  199.0238  255.8555   74.1912  20240417   5.0  6.0");
    comet.replace(102, 15, "12P/Pons-Brooks");
    std::string ceres(194, ' ');
    ceres.replace(0, 79, "00001    3.34  0.15 K2555 188.70269   73.27343   80.25221   10.58780  0.0794013");
    ceres.replace(80, 23, " 0.21424651   2.7660512");
    ceres.replace(166, 9, "(1) Ceres");
    dir.Write("elements.txt", "Heading of the saved page\n" + comet + "\n" + ceres + "\n");

    window.Show();
    dialogs.inputAnswers = {dir.File("elements.txt")};
    window.Status_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);  // two objects: one must be named
    EXPECT_NE(dialogs.messages[0].text.find("\n12P/Pons-Brooks\n(1) Ceres"), std::string::npos);
    EXPECT_TRUE(window.visible);

    window.Text1_Change("Ceres");
    dialogs.inputAnswers = {dir.File("elements.txt")};
    window.Status_Click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(Exists("(1) Ceres.TLV"));
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(state.catalogFileName, "(1) Ceres.TLV");
    EXPECT_EQ(state.object.name2, "(1) Ceres   ");
    EXPECT_EQ(state.object.planetIndex, kTransientAsteroid);

    dialogs.inputAnswers = {dir.File("no such file")};
    window.Show();
    window.Status_Click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text.rfind("Cannot read " + dir.File("no such file"), 0), 0u);
}

}  // namespace
}  // namespace talvo
