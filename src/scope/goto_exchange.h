// GoTo over the serial port: plays the command of the telescope's family (goto_commands.h) on the
// telescope's slot, byte by byte with its pauses, and for the LX200 family listens for a moment to
// what the telescope says about the slew.
#pragma once

#include <string>

#include "platform/serial_port.h"
#include "scope/goto_commands.h"
#include "scope/scope_link.h"
#include "session/scope_settings.h"

namespace talvo {

enum class GotoResult {
    kSent,         // the whole command was written
    kSkyChart,     // type 5: the sky-chart program drives the telescope; nothing was written
    kNoTelescope,  // type 0: no GoTo telescope
    kBadPosition,  // the position is out of range; nothing was written
    kOpenFailed,   // the port could not be opened
    kWriteFailed,  // a byte was not taken; the slot is closed
};

struct GotoOutcome {
    GotoResult result = GotoResult::kNoTelescope;
    std::string written;       // every byte written, in order
    std::string portDetail;    // why the open or a write failed, in words for the user
    bool closeFailed = false;  // the port did not close at the end (the command went all the same)
    // LX200 family: the telescope refused the slew ("1" or "2" followed by its text and "#"); the
    // text, e.g. "Object Below Horizon". Empty when it slews or said nothing within a second.
    std::string slewRefusal;
};

// How long the LX200 family's answer to the slew is awaited after the command (milliseconds).
inline constexpr int kSlewReplyWaitMs = 1000;

// Sends the telescope of `scope` (its type, model and port) to `position`. The slot is closed
// first (whatever an earlier exchange left) and again at the end.
[[nodiscard]] GotoOutcome RunGoto(platform::CommIO& comm, const ScopeSettings& scope,
                                  const GotoPosition& position, const ExchangeHooks& hooks);

// Reads an LX200 slew refusal out of what came back after the GoTo's three strings: the one-byte
// answers to the two position commands, then "0" (slewing) or "1"/"2", a text and "#". Empty
// unless a refusal is complete.
std::string SlewRefusalText(const std::string& replies);

}  // namespace talvo
