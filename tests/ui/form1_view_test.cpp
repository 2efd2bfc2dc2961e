// The main window's view draws what its model holds and keeps ticking on its own timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>

#include "app/body_selection.h"
#include "app/console_dialogs.h"
#include "app/form1.h"
#include "engine/time_scales.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
#include "ui/form1_view.h"
#include "ui/text_codec.h"

namespace talvo::ui {
namespace {

class Form1ViewTest : public ::testing::Test {
protected:
    Form1ViewTest() : zone(5.0), dialogs(messages), form(state, clock, zone, dialogs) {
        SetSite(state.site, 40.5, 74.25);
        ApplySystemTimeZone(state, zone);
        ApplyDateOrder(state);
    }

    QString Shown(const Control& control) { return view->LabelFor(control)->text(); }

    // Saves a picture of the window when TALVO_SCREENSHOT_DIR names a directory.
    void MaybeSaveScreenshot(const char* name) {
        const char* dir = std::getenv("TALVO_SCREENSHOT_DIR");
        if (dir == nullptr) return;
        view->grab().save(QString::fromStdString((std::filesystem::path(dir) / name).string()));
    }

    SessionState state;
    testing::FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone;
    std::ostringstream messages;
    ConsoleDialogs dialogs;
    Form1 form;
    std::unique_ptr<Form1View> view;
};

TEST_F(Form1ViewTest, DrawsTheModelsTextsAndColours) {
    form.ReadClock();
    CalcTime(state.clock, state.site);
    SelectPosition(state, 5.588, -5.39, 2000.0);
    form.Form_Load();
    view = std::make_unique<Form1View>(form);
    view->resize(1024, 600);
    view->show();

    for (const Control* control : {&form.Time, &form.Date, &form.gmt, &form.SiderealTime, &form.Latitude,
                                   &form.Longitude, &form.RightAsc, &form.Declination, &form.Altitude,
                                   &form.Azimuth}) {
        EXPECT_EQ(Shown(*control), ToQString(control->caption));
    }
    EXPECT_EQ(Shown(form.Time), QString("21:30:00  EST"));
    EXPECT_TRUE(Shown(form.Declination).contains(QChar(0x00B0)));  // the degree sign survives
    EXPECT_TRUE(view->LabelFor(form.Altitude)->styleSheet().contains("#ffff00"));
    EXPECT_TRUE(view->styleSheet().contains("#c00000"));
    MaybeSaveScreenshot("main-window-object.png");
}

TEST_F(Form1ViewTest, ShowsTheMoonsFigures) {
    form.ReadClock();
    CalcTime(state.clock, state.site);
    SelectBody(state, 3);
    form.Form_Load();
    view = std::make_unique<Form1View>(form);
    view->resize(1024, 600);
    EXPECT_TRUE(Shown(form.Name2label).startsWith("Phase= "));
    EXPECT_TRUE(Shown(form.RightAsc).startsWith("Topocentric R.A. = "));
    EXPECT_TRUE(Shown(form.Name5Label).endsWith("x avg"));
    MaybeSaveScreenshot("main-window-moon.png");
}

TEST_F(Form1ViewTest, ObjectFieldsVanishWithoutAnObject) {
    form.Form_Load();
    view = std::make_unique<Form1View>(form);
    // Drawn in the background colour: present in the layout, invisible to the eye.
    EXPECT_TRUE(view->LabelFor(form.Azimuth)->styleSheet().startsWith("color: #c00000"));
    MaybeSaveScreenshot("main-window-empty.png");
}

TEST_F(Form1ViewTest, TheWindowsTimerAdvancesTheClock) {
    form.Form_Load();
    view = std::make_unique<Form1View>(form);
    view->show();
    clock.Advance(5);
    QElapsedTimer waited;
    waited.start();
    while (Shown(form.Time) != "21:30:05  EST" && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(Shown(form.Time), QString("21:30:05  EST"));
}

TEST_F(Form1ViewTest, BackToRealTimeButtonShowsOnlyInFictitiousTime) {
    form.Form_Load();
    view = std::make_unique<Form1View>(form);
    view->show();
    auto* button = view->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isVisible());

    state.clock.realTime = false;
    form.RefreshAll();
    view->Redraw();
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), QString("Back to Real Time"));

    button->click();
    EXPECT_TRUE(state.clock.realTime);
    EXPECT_FALSE(button->isVisible());
}

}  // namespace
}  // namespace talvo::ui
