// Night vision on the screen: every window TALVO opens, and the message boxes, input boxes,
// lists, menus, tooltips and scroll bars in them, drawn without a pixel of white or grey; and
// the day look back exactly when it is switched off.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <cstdlib>
#include <filesystem>

#include "engine/time_scales.h"
#include "support/main_window_fixture.h"
#include "ui/catalog_select_view.h"
#include "ui/data_entry_view.h"
#include "ui/file_select_view.h"
#include "ui/form1_view.h"
#include "ui/help_form_view.h"
#include "ui/night_palette.h"
#include "ui/scope_form_view.h"

namespace talvo::ui {
namespace {

// A pixel of the night palette is red or black: its green and its blue are both at most this
// (out of 255). White, grey, yellow and every pale colour have more of both.
constexpr int kMostGreenOrBlue = 16;

struct PixelCount {
    qsizetype total = 0;
    qsizetype outside = 0;  // pixels outside the night palette
    QRgb example = 0;       // one of them
};

PixelCount CountPixels(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    PixelCount count;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ++count.total;
            if (qGreen(pixel) > kMostGreenOrBlue || qBlue(pixel) > kMostGreenOrBlue) {
                ++count.outside;
                count.example = pixel;
            }
        }
    }
    // A picture of each window when TALVO_SCREENSHOT_DIR names a directory.
    if (const char* dir = std::getenv("TALVO_SCREENSHOT_DIR")) {
        image.save(QString::fromStdString(
            (std::filesystem::path(dir) / ("night-" + widget->objectName().toStdString() + ".png"))
                .string()));
    }
    return count;
}

class NightVisionViewTest : public testing::MainWindowTest {
protected:
    NightVisionViewTest() {
        CalcTime(state.clock, state.site);
        SelectPosition(state, 5.588, -5.39, 2000.0);
        state.object.name1 = "M42";
        state.object.magnitudeText = "4.0";
        form.Form_Load();
        view = std::make_unique<Form1View>(form);
        view->setObjectName("main-window");
        view->resize(1024, 600);
        view->show();
    }

    void ClickNightVision() {
        view->findChild<QCheckBox*>()->click();
        QApplication::processEvents();
    }

    // Shows the window and checks every pixel of it.
    void ExpectAllRed(QWidget* widget, const char* name) {
        widget->setObjectName(name);
        widget->show();
        QApplication::processEvents();
        const PixelCount count = CountPixels(widget);
        EXPECT_GT(count.total, 0) << name;
        EXPECT_EQ(count.outside, 0) << name << ": " << count.outside << " of " << count.total
                                    << " pixels outside the night palette, e.g. #" << std::hex
                                    << count.example;
    }

    std::unique_ptr<Form1View> view;
};

TEST_F(NightVisionViewTest, EveryWindowAndDialogIsDeepRed) {
    ClickNightVision();
    ASSERT_TRUE(state.nightVision);
    ExpectAllRed(view.get(), "main-window");

    form.Scope_Click();
    ScopeFormView options(form.scopeForm, view.get());
    ExpectAllRed(&options, "options-window");

    form.Command3_Click();
    FileSelectView files(form.fileSelect, view.get());
    ExpectAllRed(&files, "home-file-chooser");

    form.ObjectButton_Click();
    DataEntryView entry(form.dataEntry, view.get());
    ExpectAllRed(&entry, "object-entry");

    form.CatalogButton_Click();
    CatalogSelectView catalogs(form.catalogSelect, view.get());
    ExpectAllRed(&catalogs, "catalog-chooser");

    form.Help_Click();
    HelpFormView help(form.helpForm, view.get());
    help.resize(700, 300);  // short enough for the topic list to need its scroll bar
    ExpectAllRed(&help, "help-window");

    QMessageBox box(QMessageBox::NoIcon, "TALVO", "Color Change Not Allowed when Night Vision Set",
                    QMessageBox::Ok | QMessageBox::Cancel, view.get());
    ExpectAllRed(&box, "message-box");

    QInputDialog input(view.get());
    input.setWindowTitle("Save Parameters in Home File");
    input.setLabelText("Do you want to save current configuration changes?");
    input.setTextValue("TALVO.HOM");
    ExpectAllRed(&input, "input-box");

    QListWidget list;
    for (int row = 0; row < 60; ++row) list.addItem(QString("Row %1 of a long list").arg(row));
    list.setCurrentRow(3);
    list.resize(220, 160);
    ExpectAllRed(&list, "scrolled-list");
    EXPECT_TRUE(list.verticalScrollBar()->isVisible());

    QMenu menu(view.get());
    menu.addAction("Load");
    menu.addAction("Save")->setEnabled(false);
    menu.addSeparator();
    menu.addAction("Quit");
    menu.popup(view->mapToGlobal(QPoint(40, 40)));
    menu.setActiveAction(menu.actions().first());
    ExpectAllRed(&menu, "menu");

    QToolTip::showText(view->mapToGlobal(QPoint(60, 60)), "Click to return the screen to normal colors",
                       view.get());
    QApplication::processEvents();
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
    }
    ASSERT_NE(tip, nullptr);
    ExpectAllRed(tip, "tooltip");
    QToolTip::hideText();
}

TEST_F(NightVisionViewTest, SwitchingOffPutsTheDayLookBackExactly) {
    const QPalette dayPalette = QApplication::palette();
    const QString daySheet = qApp->styleSheet();
    const QString dayStyle = QApplication::style()->name();

    ClickNightVision();
    EXPECT_EQ(QApplication::palette(), NightPalette());
    EXPECT_EQ(qApp->styleSheet(), NightStyleSheet());
    // The desktop theme's coloured icons stay out (the offscreen screen used here has none to show).
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);
    EXPECT_TRUE(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton).isNull());
    EXPECT_TRUE(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).isNull());

    ClickNightVision();
    EXPECT_FALSE(state.nightVision);
    EXPECT_EQ(QApplication::palette(), dayPalette);
    EXPECT_EQ(qApp->styleSheet(), daySheet);
    EXPECT_EQ(QApplication::style()->name(), dayStyle);
    EXPECT_EQ(form.backColor, kDarkRed);
    EXPECT_FALSE(view->findChild<QCheckBox*>()->isChecked());
}

TEST(NightScreen, ADifferentDayStyleComesBackEvenWhenLeftOn) {
    const QString before = QApplication::style()->name();
    QApplication::setStyle("Windows");
    {
        NightScreen night;
        night.Show(true);
        EXPECT_NE(QApplication::style()->name().toLower(), "windows");
    }
    EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
    QApplication::setStyle(before);
}

}  // namespace
}  // namespace talvo::ui
