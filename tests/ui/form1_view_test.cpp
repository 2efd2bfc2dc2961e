// The main window's view draws what its model holds and keeps ticking on its own timer.
#include "ui/form1_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>

#include "app/console_dialogs.h"
#include "forms/form1.h"
#include "engine/time_scales.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
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

    void Open() {
        form.Form_Load();
        view = std::make_unique<Form1View>(form);
        view->resize(1024, 600);
        view->show();
    }

    QString Shown(const Control& control) { return view->LabelFor(control)->text(); }

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
    Open();
    for (const Control* control :
         {&form.Time, &form.Date, &form.gmt, &form.SiderealTime, &form.Latitude, &form.Longitude,
          &form.RightAsc, &form.Declination, &form.Altitude, &form.Azimuth}) {
        EXPECT_EQ(Shown(*control), ToQString(control->caption));
    }
    EXPECT_EQ(Shown(form.Time), QString("21:30:00  EST"));
    EXPECT_TRUE(Shown(form.Declination).contains(QChar(0x00B0)));  // the degree sign survives
    EXPECT_TRUE(view->LabelFor(form.Altitude)->styleSheet().contains("#ffff00"));
    EXPECT_TRUE(view->styleSheet().contains("#c00000"));
    // A picture of the window when TALVO_SCREENSHOT_DIR names a directory.
    if (const char* dir = std::getenv("TALVO_SCREENSHOT_DIR")) {
        view->grab().save(QString::fromStdString((std::filesystem::path(dir) / "main-window.png").string()));
    }
}

TEST_F(Form1ViewTest, TheWindowsTimerAdvancesTheClock) {
    Open();
    clock.Advance(5);
    QElapsedTimer waited;
    waited.start();
    while (Shown(form.Time) != "21:30:05  EST" && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(Shown(form.Time), QString("21:30:05  EST"));
}

TEST_F(Form1ViewTest, BackToRealTimeButtonShowsOnlyInFictitiousTime) {
    Open();
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
