// The window program put together: the session, its start-up, the main window's model and view.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/dialog_services.h"
#include "forms/form1.h"
#include "platform/clock.h"
#include "platform/time_zone.h"
#include "session/session_state.h"
#include "ui/form1_view.h"
#include "ui/qt_dialogs.h"

namespace talvo::ui {

class Application {
public:
    // The system's clock, zone and Qt's dialogs by default; tests pass their own. `script`: the
    // commands of a script given on the command line, run unattended from the first tick.
    Application(const platform::Clock* clock = nullptr, const platform::TimeZone* zone = nullptr,
                DialogServices* dialogs = nullptr,
                std::optional<std::vector<std::string>> script = std::nullopt);

    // Opens the main window at a size with room for every field.
    void Show();

    SessionState& State() { return state_; }
    Form1& Model() { return *form_; }
    Form1View& Window() { return *view_; }

private:
    platform::SystemClock systemClock_;
    platform::SystemTimeZone systemZone_;
    QtDialogs qtDialogs_;
    SessionState state_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<Form1View> view_;
    bool firstRun_ = false;  // the home file asked for the first run's questions
};

}  // namespace talvo::ui
