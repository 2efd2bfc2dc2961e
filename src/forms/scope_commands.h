// The main window's telescope commands: GoTo the current object, and reading where the telescope
// points for the object entry window. Messages go to the observer here; the exchanges below
// only report.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "forms/dialog_services.h"
#include "forms/main_window_hooks.h"
#include "platform/serial_port.h"
#include "scope/goto_exchange.h"
#include "scope/position_reads.h"
#include "session/session_state.h"

namespace talvo {

class ScopeCommands {
public:
    ScopeCommands(SessionState& state, platform::CommIO& comm, DialogServices& dialogs,
                  MainWindowHooks& window)
        : state_(state), comm_(comm), dialogs_(dialogs), window_(window) {}

    // The GoTo button: a port must be chosen, and the Sun needs the observer's word that a solar
    // filter is in place. Ignored while an exchange runs (its pauses let window events in).
    void GotoButton_Click();

    // Sends the telescope to the current object as the window shows it. True when the whole
    // command was written (type 5: when the sky-chart program that drives it started); messages (except the
    // StarGuide's key reminder) are left out in script mode.
    [[nodiscard]] bool Goto();

    // Reads where the telescope points (NexStar or LX200 family) and returns it in the telescope's
    // epoch, or nothing after saying why. `windowOpen` is asked between unanswered queries: the
    // read ends quietly once it says false. `status` shows the exchange's status line.
    [[nodiscard]] std::optional<GotoPosition> LoadPosition(
        const std::function<bool()>& windowOpen, const std::function<void(const std::string&)>& status);

    // An exchange is running.
    [[nodiscard]] bool Busy() const { return busy_; }

private:
    ExchangeHooks Hooks() const;
    void Tell(const std::string& text);
    std::string PortFailure(const char* what, const std::string& detail) const;

    SessionState& state_;
    platform::CommIO& comm_;
    DialogServices& dialogs_;
    MainWindowHooks& window_;
    bool busy_ = false;
};

// The text of a telescope's answer for a message: printable bytes as they are, others as "<hh>".
std::string VisibleReply(const std::string& reply);

}  // namespace talvo
