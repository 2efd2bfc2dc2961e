// talvo: the window program.
#include <QApplication>

#include "app/form1.h"
#include "app/session_state.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "platform/time_zone.h"
#include "ui/form1_view.h"
#include "ui/qt_dialogs.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("TALVO");

    talvo::SessionState state;
    talvo::platform::SystemClock clock;
    talvo::platform::SystemTimeZone zone;
    talvo::StartSession(state, zone);

    talvo::ui::QtDialogs dialogs;
    talvo::Form1 form(state, clock, zone, dialogs);
    talvo::ui::Form1View window(form);
    dialogs.SetParent(&window);

    form.Form_Load();
    window.Redraw();
    // Room for every field at a laptop's or tablet's screen size; never below what the layout needs.
    window.resize(window.sizeHint().expandedTo(QSize(960, 580)));
    window.show();
    return QApplication::exec();
}
