#include "scope/position_reads.h"

#include <cmath>
#include <cstdlib>

#include "scope/goto_commands.h"
#include "scope/scope_port.h"

namespace talvo {
namespace {

constexpr double kUnitsPerDegree = 182.0444444;  // 65536 units a revolution / 360
std::optional<int> Hex4(const std::string& text, std::size_t from) {
    int value = 0;
    for (std::size_t i = from; i < from + 4; ++i) {
        const char c = text[i];
        int digit = 0;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return value;
}

// Splits a declination in degrees into whole degrees toward zero, unsigned minutes and the sign
// flag of declinations between -1 and 0 degrees.
void StoreDeclination(GotoPosition& position, double degrees) {
    position.decDegrees = static_cast<int>(degrees);
    position.decMinutes = 60.0 * std::fabs(degrees - position.decDegrees);
    position.decSign = (degrees < 0.0 && position.decDegrees == 0) ? -1 : 1;
}

// The read's status for a port that ended the exchange early.
PositionRead PortFailure(const ScopePort& port) {
    PositionRead read;
    switch (port.Fault()) {
        case PortFault::kOpenFailed:
            read.status = PositionReadStatus::kOpenFailed;
            break;
        case PortFault::kWriteFailed:
            read.status = PositionReadStatus::kWriteFailed;
            break;
        case PortFault::kNone:
        case PortFault::kAbandoned:
            read.status = PositionReadStatus::kAbandoned;
            break;
    }
    read.portDetail = port.Detail();
    return read;
}

PositionRead Refused(PositionRead read, PositionReadStatus status, std::string reply) {
    read.status = status;
    read.reply = std::move(reply);
    return read;
}

}  // namespace

std::string NexStarWaitingText(int scopeModel) {
    std::string text = "No scope response yet. Verify Connection.";
    if (scopeModel == 103) text += "\nNexstar 60/80/114 must be in 'RS-232 Mode'";
    return text;
}

std::optional<GotoPosition> ParseNexStarPosition(const std::string& reply) {
    if (reply.size() != 10 || reply[9] != '#') return std::nullopt;
    const std::optional<int> ra = Hex4(reply, 0);
    const std::optional<int> dec = Hex4(reply, 5);
    if (!ra || !dec) return std::nullopt;
    const double hours = *ra / (kUnitsPerDegree * 15.0);
    double degrees = *dec / kUnitsPerDegree;
    if (degrees > 180.0) degrees -= 360.0;
    GotoPosition position;
    position.raHours = static_cast<int>(hours);
    position.raMinutes = 60.0 * (hours - position.raHours);
    StoreDeclination(position, degrees);
    return position;
}

std::optional<GotoPosition> ParseLx200RightAscension(const std::string& reply) {
    // HH:MM.T#
    if (reply.size() != 8 || reply[7] != '#') return std::nullopt;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u}) {
        if (!IsDigit(reply[i])) return std::nullopt;
    }
    if (reply[2] != ':' || reply[5] != '.') return std::nullopt;
    GotoPosition position;
    position.raHours = Digits(reply, 0, 2);
    position.raMinutes = Digits(reply, 3, 2) + Digits(reply, 6, 1) / 10.0;
    if (position.raHours > 23 || position.raMinutes >= 60.0) return std::nullopt;
    return position;
}

bool ParseLx200Declination(const std::string& reply, GotoPosition& position) {
    // sDD*MM#, the separator whatever the hand control uses
    if (reply.size() != 7 || reply[6] != '#') return false;
    if (reply[0] != '+' && reply[0] != '-') return false;
    for (std::size_t i : {1u, 2u, 4u, 5u}) {
        if (!IsDigit(reply[i])) return false;
    }
    if (IsDigit(reply[3])) return false;
    const int degrees = Digits(reply, 1, 2);
    const int minutes = Digits(reply, 4, 2);
    if (degrees > 90 || minutes >= 60 || (degrees == 90 && minutes > 0)) return false;
    const bool south = reply[0] == '-';
    position.decDegrees = south ? -degrees : degrees;
    position.decMinutes = minutes;
    position.decSign = (south && degrees == 0) ? -1 : 1;
    return true;
}

PositionRead ReadNexStarPosition(platform::CommIO& comm, const ScopeSettings& scope,
                                 const ExchangeHooks& hooks) {
    PositionRead read;
    static_cast<void>(comm.CommClose(kScopeSlot));
    ScopePort port(comm);
    if (!port.Open(scope.scopePort)) return PortFailure(port);
    hooks.Status(NexStarWaitingText(scope.scopeModel));

    const std::optional<std::string> alignment = port.Ask("J", 2, hooks);
    if (!alignment) return PortFailure(port);
    if (alignment->size() != 2 || (*alignment)[1] != '#') {
        return Refused(read, PositionReadStatus::kInvalidAlignment, *alignment);
    }
    // The hand control answers the byte 1; some programs that stand in for one answer "1".
    if ((*alignment)[0] != '\x01' && (*alignment)[0] != '1') {
        return Refused(read, PositionReadStatus::kNotAligned, *alignment);
    }

    const std::optional<std::string> answer = port.Ask("E", 10, hooks);
    if (!answer) return PortFailure(port);
    const std::optional<GotoPosition> position = ParseNexStarPosition(*answer);
    if (!position) return Refused(read, PositionReadStatus::kInvalidPosition, *answer);
    read.status = PositionReadStatus::kOk;
    read.position = *position;
    return read;
}

PositionRead ReadLx200Position(platform::CommIO& comm, const ScopeSettings& scope,
                               const ExchangeHooks& hooks) {
    PositionRead read;
    static_cast<void>(comm.CommClose(kScopeSlot));
    ScopePort port(comm);
    if (!port.Open(scope.scopePort)) return PortFailure(port);

    hooks.Status("Waiting for Scope Right Ascension.");
    const std::optional<std::string> ra = port.Ask("#:GR#", 8, hooks);
    if (!ra) return PortFailure(port);
    std::optional<GotoPosition> position = ParseLx200RightAscension(*ra);
    if (!position) return Refused(read, PositionReadStatus::kInvalidRa, *ra);

    hooks.Status("Waiting for Scope Declination.");
    const std::optional<std::string> dec = port.Ask("#:GD#", 7, hooks);
    if (!dec) return PortFailure(port);
    if (!ParseLx200Declination(*dec, *position)) return Refused(read, PositionReadStatus::kInvalidDec, *dec);
    read.status = PositionReadStatus::kOk;
    read.position = *position;
    return read;
}

}  // namespace talvo
