#include "forms/scope_commands.h"

#include <algorithm>
#include <cstdio>

#include "engine/solar_system.h"
#include "forms/sky_chart_launch.h"
#include "forms/window_exchange_hooks.h"

namespace talvo {
namespace {

const char* kTitle = "TALVO";

// Marks an exchange as running for the life of the object.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
};

GotoPosition ShownPosition(const CurrentObject& object) {
    return {object.raHours, object.raMinutes, object.decDegrees, object.decMinutes, object.decSign};
}

}  // namespace

std::string VisibleReply(const std::string& reply) {
    std::string text;
    for (char c : reply) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte != 127) {
            text += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", byte);
            text += hex;
        }
    }
    return text;
}

ExchangeHooks ScopeCommands::Hooks() const { return WindowExchangeHooks(dialogs_); }

void ScopeCommands::Tell(const std::string& text) {
    if (!state_.scriptMode) dialogs_.MessageBox(text, MessageButtons::Ok, kTitle);
}

std::string ScopeCommands::PortFailure(const char* what, const std::string& detail) const {
    std::string text = std::string(what) + std::to_string(state_.scope.scopePort);
    if (!detail.empty()) text += "\n" + detail;
    return text;
}

void ScopeCommands::GotoButton_Click() {
    if (busy_) return;
    if (state_.scope.scopePort == 0) {
        dialogs_.MessageBox("No Com Port selected - Click 'Scope' Button and make selection!",
                            MessageButtons::Ok, kTitle);
        return;
    }
    if (state_.object.planetIndex == kSun &&
        dialogs_.MessageBox(
            "Warning! Looking at the Sun is dangerous! Do you have a proper Solar Filter in Place ?",
            MessageButtons::YesNo, kTitle) != MessageAnswer::Yes) {
        return;
    }
    static_cast<void>(Goto());  // Goto has told the observer how it went
}

bool ScopeCommands::Goto() {
    if (busy_) return false;
    BusyFlag busy(busy_);
    const GotoOutcome outcome = RunGoto(comm_, state_.scope, ShownPosition(state_.object), Hooks());
    switch (outcome.result) {
        case GotoResult::kSent:
            break;
        case GotoResult::kSkyChart:
            // Type 5 telescopes are driven by the sky-chart program, started on the object.
            if (LaunchSkyChart(state_) != SkyChartLaunch::kNotFound) return true;
            Tell(kSkyChartNotFound);
            return false;
        case GotoResult::kNoTelescope:
            Tell("No Goto Telescope selected - Click 'Scope' Button and make selection!");
            return false;
        case GotoResult::kBadPosition:
            Tell("The object's position cannot be sent to the telescope.");
            return false;
        case GotoResult::kOpenFailed:
            Tell(PortFailure("UNABLE TO OPEN COM ", outcome.portDetail));
            return false;
        case GotoResult::kWriteFailed:
            Tell(PortFailure("UNABLE TO WRITE TO COM ", outcome.portDetail));
            return false;
    }
    if (!outcome.slewRefusal.empty()) {
        window_.SetStatus("Telescope refused the slew: " + VisibleReply(outcome.slewRefusal));
    } else if (!state_.scriptMode) {
        window_.SetStatus("GoTo sent to COM " + std::to_string(state_.scope.scopePort));
    }
    if (state_.scope.scopeType == 3) {
        dialogs_.MessageBox(
            "You must press a key on the scope before next 'GOTO' to prevent telescope lockup ",
            MessageButtons::Ok, kTitle);
    }
    if (outcome.closeFailed) Tell(PortFailure("UNABLE TO CLOSE COM ", ""));
    return true;
}

std::optional<GotoPosition> ScopeCommands::LoadPosition(
    const std::function<bool()>& windowOpen, const std::function<void(const std::string&)>& status) {
    if (busy_) return std::nullopt;
    BusyFlag busy(busy_);
    const ScopeSettings& scope = state_.scope;
    if (scope.scopeType != 1 && scope.scopeType != 4) {
        dialogs_.MessageBox(
            "Load Position from Scope needs a NexStar-family (type 1) or LX200-family (type 4) telescope. "
            "Click 'Scope' Button and make selection!",
            MessageButtons::Ok, kTitle);
        return std::nullopt;
    }
    if (scope.scopePort == 0) {
        dialogs_.MessageBox("No Com Port selected - Click 'Scope' Button and make selection!",
                            MessageButtons::Ok, kTitle);
        return std::nullopt;
    }
    ExchangeHooks hooks = Hooks();
    hooks.keepGoing = windowOpen;
    hooks.status = status;
    const PositionRead read = scope.scopeType == 1 ? ReadNexStarPosition(comm_, scope, hooks)
                                                   : ReadLx200Position(comm_, scope, hooks);
    const std::string reply = VisibleReply(read.reply);
    switch (read.status) {
        case PositionReadStatus::kOk:
            return read.position;
        case PositionReadStatus::kAbandoned:
            return std::nullopt;
        case PositionReadStatus::kOpenFailed:
            dialogs_.MessageBox(PortFailure("UNABLE TO OPEN COM ", read.portDetail), MessageButtons::Ok,
                                kTitle);
            break;
        case PositionReadStatus::kWriteFailed:
            if (!windowOpen || windowOpen()) {
                dialogs_.MessageBox(PortFailure("UNABLE TO WRITE TO COM ", read.portDetail),
                                    MessageButtons::Ok, kTitle);
            }
            break;
        case PositionReadStatus::kInvalidAlignment:
            dialogs_.MessageBox("Invalid Scope Response to Alignment Query= " + reply, MessageButtons::Ok,
                                kTitle);
            break;
        case PositionReadStatus::kNotAligned:
            dialogs_.MessageBox("Scope is Not Aligned", MessageButtons::Ok, kTitle);
            break;
        case PositionReadStatus::kInvalidPosition:
            dialogs_.MessageBox("Invalid Scope Response to RA/Dec Query= " + reply, MessageButtons::Ok,
                                kTitle);
            break;
        case PositionReadStatus::kInvalidRa:
            dialogs_.MessageBox("Invalid Scope Response to RA Query= " + reply, MessageButtons::Ok, kTitle);
            break;
        case PositionReadStatus::kInvalidDec:
            dialogs_.MessageBox("Invalid Scope Response to Declination Query= " + reply, MessageButtons::Ok,
                                kTitle);
            break;
    }
    return std::nullopt;
}

}  // namespace talvo
