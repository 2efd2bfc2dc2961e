// The home file chooser and the main window's "l Load" and "v Save".
#include "forms/file_select.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "scope/scope_models.h"
#include "session/home_file_format.h"
#include "session/home_record.h"
#include "support/main_window_fixture.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::ScratchDir;

constexpr double kToday = 2461016.5;

class FileSelectTest : public testing::MainWindowTest {
protected:
    FileSelectTest() {
        state.appDir = dir.path();
        state.clock.julianDate = kToday;
    }

    void WriteHome(const std::string& name, double latitudeRadians, double firstUse, int sizeClass = 0) {
        SessionState saved;
        saved.site.latitude = latitudeRadians;
        saved.firstUseDate = firstUse;
        saved.scope.sizeClass = sizeClass;
        dir.Write(name, EncodeHomeFile(RecordFromSession(saved)));
    }

    // Opens the chooser as "l Load" does and selects `name`.
    void Select(const std::string& name) {
        form.Form_KeyPress('l');
        ASSERT_EQ(form.openRequest, Form1::Open::FileSelect);
        const auto& items = form.fileSelect.File1.items;
        const auto found = std::find(items.begin(), items.end(), name);
        ASSERT_NE(found, items.end()) << name;
        form.fileSelect.File1_Click(static_cast<int>(found - items.begin()));
    }

    ScratchDir dir;
};

TEST_F(FileSelectTest, ListsTheHomeFilesOfTheProgramDirectory) {
    WriteHome("TALVO.HOM", 0.1, kToday);
    WriteHome("cabin.hom", 0.2, kToday);
    dir.Write("FULL.TLV", "x");
    dir.Write(".TALVO.HOM.a1b2c3", "x");  // a temporary file a crash left
    dir.Write("HOM", "x");
    form.Command3_Click();
    EXPECT_TRUE(form.fileSelect.visible);
    EXPECT_EQ(form.fileSelect.File1.items, (std::vector<std::string>{"TALVO.HOM", "cabin.hom"}));
    EXPECT_EQ(form.fileSelect.File1.foreColor, state.textColor);
}

TEST_F(FileSelectTest, NothingSelectedSaysSo) {
    WriteHome("TALVO.HOM", 0.1, kToday);
    form.Command3_Click();
    form.fileSelect.Command1_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "No File Selected!");
    EXPECT_TRUE(form.fileSelect.visible);
}

TEST_F(FileSelectTest, LoadsTheSelectedFileAndResetsTheSearchLimits) {
    WriteHome("cabin.hom", 0.7, kToday - 100, 4);
    state.search.MinimumAltitude = 20.0f;
    Select("cabin.hom");
    form.fileSelect.Command1_Click();
    EXPECT_FALSE(form.fileSelect.visible);
    EXPECT_EQ(state.homeFileName, "cabin.hom");
    EXPECT_EQ(form.Location.caption, "cabin.hom");
    EXPECT_EQ(state.site.latitude, 0.7);
    EXPECT_EQ(state.search.MinimumAltitude, -90.0f);
    EXPECT_EQ(state.search.FaintestMagnitude, static_cast<float>(DefaultMagnitudeLimit(4, 0)));
    form.openRequest = Form1::Open::None;  // the view has opened the chooser
    form.FileSelectClosed();
    EXPECT_EQ(form.openRequest, Form1::Open::None);
    EXPECT_EQ(dialogs.MessageTexts(), "");
}

TEST_F(FileSelectTest, FirstRunFileIsDatedSavedAndOpensTheOptions) {
    WriteHome("NEW.HOM", 0.3, 0.0);
    Select("NEW.HOM");
    form.fileSelect.Command1_Click();
    ASSERT_TRUE(form.fileSelect.firstRunLoaded);
    const HomeDecodeResult saved = DecodeHomeFile(dir.Read("NEW.HOM"));
    EXPECT_EQ(saved.record.firstUseDate.number, kToday);
    form.openRequest = Form1::Open::None;
    form.FileSelectClosed();
    EXPECT_EQ(form.openRequest, Form1::Open::ScopeForm);
    EXPECT_EQ(dialogs.MessageTexts(), kFirstRunMessage);
}

TEST_F(FileSelectTest, BrokenFileKeepsTheSessionAndItsName) {
    dir.Write("BAD.HOM", "short");
    state.homeFileName = "TALVO.HOM";
    state.site.latitude = 0.25;
    Select("BAD.HOM");
    form.fileSelect.Command1_Click();
    EXPECT_TRUE(form.fileSelect.visible);
    EXPECT_EQ(state.homeFileName, "TALVO.HOM");
    EXPECT_EQ(state.site.latitude, 0.25);
    EXPECT_EQ(dialogs.MessageTexts(), "Unable to read Home Location file " + dir.path() +
                                          "BAD.HOM\nTALVO looks for home files in " + dir.path() + ".");
}

// An installed TALVO: the shipped home files in the data folder, the observer's in the
// writable one. Both are listed, each name once; a file is read from the writable folder
// first, and saving always writes there, leaving the shipped file as it was.
TEST_F(FileSelectTest, AnInstalledProgramReadsTheShippedFileAndSavesTheObserversInTheWritableFolder) {
    std::filesystem::create_directories(dir.File("share"));
    state.dataDir = dir.File("share/");
    WriteHome("share/TALVO.HOM", 0.3, kToday);
    WriteHome("share/CLUB.HOM", 0.1, kToday);
    WriteHome("HOME.HOM", 0.2, kToday);
    const std::string shipped = dir.Read("share/TALVO.HOM");

    Select("TALVO.HOM");
    EXPECT_EQ(form.fileSelect.File1.items, (std::vector<std::string>{"CLUB.HOM", "HOME.HOM", "TALVO.HOM"}));
    form.fileSelect.Command1_Click();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.MessageTexts();
    EXPECT_DOUBLE_EQ(state.site.latitude, 0.3);
    EXPECT_EQ(state.appDir, dir.path());

    state.site.latitude = 0.6;
    ASSERT_TRUE(SaveHomeFile(state, {}).ok);
    EXPECT_EQ(dir.Read("share/TALVO.HOM"), shipped);
    state.site.latitude = 0.0;
    Select("TALVO.HOM");
    EXPECT_EQ(std::count(form.fileSelect.File1.items.begin(), form.fileSelect.File1.items.end(), "TALVO.HOM"),
              1);
    form.fileSelect.Command1_Click();
    EXPECT_DOUBLE_EQ(state.site.latitude, 0.6);
}

TEST_F(FileSelectTest, SaveAsksForTheNameAndClearsTheChangeMark) {
    state.configDirty = true;
    Answer({"MYSITE"});
    form.Form_KeyPress('v');
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].prompt, "Enter new file name or click 'OK' to keep the name unchanged");
    EXPECT_EQ(dialogs.prompts[0].title, "Save Parameters in Home File");
    EXPECT_EQ(state.homeFileName, "MYSITE.HOM");
    EXPECT_EQ(form.Location.caption, "MYSITE.HOM");
    EXPECT_FALSE(state.configDirty);
    EXPECT_EQ(DecodeHomeFile(dir.Read("MYSITE.HOM")).record.latitude, state.site.latitude);
}

TEST_F(FileSelectTest, EmptyOrCancelledSaveWritesNothing) {
    state.configDirty = true;
    Answer({""});
    form.Command2_Click();
    form.Command2_Click();  // Cancel
    EXPECT_EQ(dir.Listing(), "");
    EXPECT_TRUE(state.configDirty);
}

TEST_F(FileSelectTest, FailedSaveSaysWhyAndStaysDirty) {
    state.appDir = dir.File("missing/");
    state.configDirty = true;
    Answer({"TALVO.HOM"});
    form.Command2_Click();
    EXPECT_TRUE(state.configDirty);
    EXPECT_EQ(dialogs.MessageTexts(),
              "Unable to Write Home Location file " + dir.path() +
                  "missing/TALVO.HOM\nTALVO needs a folder it may write to. Check the "
                  "folder's permissions and free space (No such file or directory).");
}

}  // namespace
}  // namespace talvo
