// Where the telescope points: the position queries of the NexStar hand control ("J" alignment,
// "E" position) and of the LX200 family (":GR#", ":GD#"), and the checks of their answers.
#pragma once

#include <optional>
#include <string>

#include "platform/serial_port.h"
#include "scope/goto_position.h"
#include "scope/scope_link.h"
#include "scope/scope_port.h"
#include "session/scope_settings.h"

namespace talvo {

enum class PositionReadStatus {
    kOk,                // `position` holds what the telescope said
    kOpenFailed,        // the port could not be opened (`portDetail` says why)
    kWriteFailed,       // a query was not taken; the slot is closed
    kInvalidAlignment,  // NexStar: the alignment answer is not two bytes ending in "#" (`reply`)
    kNotAligned,        // NexStar: the telescope is not aligned
    kInvalidPosition,   // NexStar: the position answer is not "RRRR,DDDD#" (`reply`)
    kInvalidRa,         // LX200: the right-ascension answer is not "HH:MM.T#" (`reply`)
    kInvalidDec,        // LX200: the declination answer is not "sDD*MM#" (`reply`)
    kAbandoned,         // the hooks said to stop before an answer came
};

struct PositionRead {
    PositionReadStatus status = PositionReadStatus::kAbandoned;
    GotoPosition position;   // right ascension and declination in the telescope's epoch
    std::string reply;       // the answer that failed its check
    std::string portDetail;  // why the port failed, in words for the user
};

// The status line of a NexStar read while no answer has come; model 103 must be switched to its
// serial-port mode first, and a second line says so.
std::string NexStarWaitingText(int scopeModel);

// Type 1. Opens the telescope's port (9600 8N1), asks "J" until an answer comes, checks the
// alignment, then asks "E" until an answer comes and checks it. The slot is closed at the end.
[[nodiscard]] PositionRead ReadNexStarPosition(platform::CommIO& comm, const ScopeSettings& scope,
                                               const ExchangeHooks& hooks);

// Type 4. Opens the telescope's port (9600 8N1), asks ":GR#" and then ":GD#", each until an
// answer comes, and checks them. The slot is closed at the end.
[[nodiscard]] PositionRead ReadLx200Position(platform::CommIO& comm, const ScopeSettings& scope,
                                             const ExchangeHooks& hooks);

// "34AB,12CE#": four hex digits of right ascension and of declination (either case), 65536 units
// a revolution; declinations above 180 degrees are southern. Nothing when the answer is not
// exactly ten bytes ending in "#" with hex digits in place.
std::optional<GotoPosition> ParseNexStarPosition(const std::string& reply);

// "HH:MM.T#" (hours 0-23, minutes below 60); the minutes as right-ascension minutes.
std::optional<GotoPosition> ParseLx200RightAscension(const std::string& reply);

// "sDD*MM#": sign, whole degrees to 90, any separator (the hand controls' degree byte 0xDF, "*",
// ":" or "'"), whole minutes below 60. Fills the declination fields of `position`.
[[nodiscard]] bool ParseLx200Declination(const std::string& reply, GotoPosition& position);

}  // namespace talvo
