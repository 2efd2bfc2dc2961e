// The main window's view draws what its model holds and keeps ticking on its own timer.
#include "ui/form1_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QSet>
#include <cstdlib>
#include <filesystem>

#include "app/console_dialogs.h"
#include "engine/time_scales.h"
#include "forms/form1.h"
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

    // Every colour a widget shows on screen.
    static QSet<QRgb> ColoursOf(QWidget* widget) {
        const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xFF000000u);
        }
        return colours;
    }
    static QRgb Rgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

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
    EXPECT_TRUE(Shown(form.Declination).contains(QChar(0x00B0)));  // the degree sign survives
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

    button->click();
    EXPECT_TRUE(state.clock.realTime);
    EXPECT_FALSE(button->isVisible());
}

// The view sets only what changed since the last redraw: what changes later must still get through.
TEST_F(Form1ViewTest, ChangesAfterTheFirstDrawReachTheWidgets) {
    Open();
    QLabel* altitude = view->LabelFor(form.Altitude);
    QLabel* name = view->LabelFor(form.Name1);
    QPushButton* trace = view->ButtonFor(form.TraceButton);
    EXPECT_FALSE(trace->isEnabled());
    EXPECT_TRUE(name->toolTip().isEmpty());

    // An object is chosen: its fields fill in, drawn in the text colour instead of the background's.
    form.ReadClock();
    CalcTime(state.clock, state.site);
    SelectPosition(state, 5.588, -5.39, 2000.0);
    form.Timer1_Timer();
    view->Redraw();
    EXPECT_EQ(Shown(form.Altitude), ToQString(form.Altitude.caption));
    EXPECT_FALSE(Shown(form.Altitude).isEmpty());
    EXPECT_TRUE(ColoursOf(altitude).contains(Rgb(kYellow)));
    EXPECT_FALSE(name->toolTip().isEmpty());
    EXPECT_TRUE(trace->isEnabled());

    // New window colours reach the window, the fields and the buttons. Grey scale, so that no
    // smoothed edge of the letters comes out in the old colours.
    constexpr Colour kBlack = 0;
    state.backColor = kBlack;
    state.textColor = kWhite;
    form.Timer1_Timer();
    view->Redraw();
    const QSet<QRgb> time = ColoursOf(view->LabelFor(form.Time));
    EXPECT_TRUE(time.contains(Rgb(kBlack)));
    EXPECT_TRUE(time.contains(Rgb(kWhite)));
    EXPECT_FALSE(time.contains(Rgb(kYellow)));
    EXPECT_FALSE(time.contains(Rgb(kDarkRed)));
    EXPECT_TRUE(ColoursOf(altitude).contains(Rgb(kWhite)));
    EXPECT_TRUE(ColoursOf(trace).contains(Rgb(kBlack)));
    EXPECT_FALSE(ColoursOf(trace).contains(Rgb(kDarkRed)));
}

// Setting a style sheet again, even an equal one, re-polishes the widget and all inside it; a tick
// that changes no colour must not set any.
TEST_F(Form1ViewTest, ATickThatChangesNoColourSetsNoStyleSheet) {
    struct StyleChanges : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::StyleChange) ++count;
            return false;
        }
    } changes;
    Open();
    const std::vector<QWidget*> watched = {view.get(), view->LabelFor(form.Time),
                                           view->LabelFor(form.Altitude), view->ButtonFor(form.Help)};
    for (QWidget* widget : watched) widget->installEventFilter(&changes);

    clock.Advance(1);
    form.Timer1_Timer();
    view->Redraw();
    EXPECT_EQ(Shown(form.Time), QString("21:30:01  EST"));
    EXPECT_EQ(changes.count, 0);

    // The same probe sees a change of colours, which must restyle.
    state.textColor = kRed;
    form.Timer1_Timer();
    view->Redraw();
    EXPECT_GT(changes.count, 0);
}

}  // namespace
}  // namespace talvo::ui
