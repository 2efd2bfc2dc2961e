// The home file chooser's view: the files listed in the window colours, a click and "Load the
// selected file" load it and close the window.
#include "ui/file_select_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "forms/file_select.h"
#include "platform/fixed_time_zone.h"
#include "session/home_file_format.h"
#include "session/home_record.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/control_binding.h"

namespace talvo::ui {
namespace {

TEST(FileSelectView, ListsTheFilesAndLoadsTheOneClicked) {
    testing::ScratchDir dir;
    SessionState saved;
    saved.site.latitude = 0.6;
    saved.firstUseDate = 2461000.5;
    dir.Write("A.HOM", EncodeHomeFile(RecordFromSession(saved)));
    dir.Write("b.hom", "broken");

    SessionState state;
    state.appDir = dir.path();
    state.textColor = kWhite;
    platform::FixedTimeZone zone{0.0};
    testing::ScriptedDialogs dialogs;
    FileSelect model(state, zone, dialogs, nullptr);
    model.Form_Load();
    FileSelectView view(model, nullptr);
    view.show();

    auto* files = view.findChild<QListWidget*>();
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->item(1)->text(), QString("b.hom"));
    EXPECT_TRUE(view.styleSheet().contains("color: " + Css(kWhite)));
    const QList<QPushButton*> buttons = view.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 4);  // load, cancel, the GPS and the telescope buttons
    EXPECT_EQ(buttons[0]->text(), QString("Load the selected file"));

    files->setCurrentRow(0);
    emit files->itemClicked(files->item(0));
    buttons[0]->click();
    EXPECT_EQ(state.site.latitude, 0.6);
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST(FileSelectView, GpsControlsShowAndForwardTheTimeOption) {
    SessionState state;
    state.doNotLoadTime = true;
    platform::FixedTimeZone zone{0.0};
    testing::ScriptedDialogs dialogs;
    FileSelect model(state, zone, dialogs, nullptr);
    model.Form_Load();
    FileSelectView view(model, nullptr);
    view.show();

    EXPECT_EQ(view.windowTitle(), QString("Load Home Location File or GPS Data"));
    bool gpsButton = false;
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
        gpsButton = gpsButton || button->text() == QString("Load From GPS Device");
    }
    EXPECT_TRUE(gpsButton);
    auto* loadTime = view.findChild<QCheckBox*>();
    ASSERT_NE(loadTime, nullptr);
    EXPECT_EQ(loadTime->text(), QString("Load Time From GPS or Scope"));
    EXPECT_FALSE(loadTime->isChecked());
    loadTime->click();
    EXPECT_FALSE(state.doNotLoadTime);
    EXPECT_TRUE(state.configDirty);
    bool statusShown = false;
    for (QLabel* label : view.findChildren<QLabel*>())
        statusShown = statusShown || label->text() == "GPS Status";
    EXPECT_TRUE(statusShown);
}

}  // namespace
}  // namespace talvo::ui
