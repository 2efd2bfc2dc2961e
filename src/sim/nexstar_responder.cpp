#include "sim/nexstar_responder.h"

#include "sim/revolution_units.h"

namespace talvo::sim {

NexStarResponder::NexStarResponder(Mount& mount, bool aligned) : mount_(mount), aligned_(aligned) {}

std::vector<std::string> NexStarResponder::Receive(std::string_view bytes, double now) {
    std::vector<std::string> replies;
    if (bytes.empty()) return replies;
    if (!pending_.empty() && now - lastByte_ > kPartialCommandLimit) pending_.clear();
    lastByte_ = now;
    pending_.append(bytes);
    while (!pending_.empty() && TakeCommand(now, replies)) {
    }
    return replies;
}

bool NexStarResponder::TakeCommand(double now, std::vector<std::string>& replies) {
    // Length of the command at the front, letter included, and its reply once complete.
    std::size_t length = 1;
    std::string reply;
    switch (pending_[0]) {
        case 'K':  // echo
            length = 2;
            if (pending_.size() >= length) reply = {pending_[1], '#'};
            break;
        case 'J':
            reply = aligned_ ? std::string("\x01#", 2) : std::string("\x00#", 2);
            break;
        case 'E': {
            const Units16 units = ToUnits16(mount_.PointingAt(now));
            reply = Hex(units.ra, 4) + "," + Hex(units.dec, 4) + "#";
            break;
        }
        case 'e': {
            const Units32 units = ToUnits32(mount_.PointingAt(now));
            reply = Hex(units.ra, 8) + "," + Hex(units.dec, 8) + "#";
            break;
        }
        case 'R':
            length = 10;
            if (pending_.size() >= length) reply = Goto(std::string_view(pending_).substr(1, 9), 4, now);
            break;
        case 'r':
            length = 18;
            if (pending_.size() >= length) reply = Goto(std::string_view(pending_).substr(1, 17), 8, now);
            break;
        case 'L':
            reply = mount_.IsSlewing(now) ? "1#" : "0#";
            break;
        case 'M':
            mount_.Stop(now);
            reply = "#";
            break;
        case 'V':
            reply = std::string("\x04\x16#", 3);  // version 4.22
            break;
        case 'm':
            reply = std::string("\x0B#", 2);  // model 11
            break;
        default:  // a NUL after a GoTo, or a byte of no command: skipped
            pending_.erase(0, 1);
            return true;
    }
    if (pending_.size() < length) return false;
    pending_.erase(0, length);
    replies.push_back(std::move(reply));
    return true;
}

// `angles` is "RRRR,DDDD" (digits 4) or "RRRRRRRR,DDDDDDDD" (digits 8). A text that is not two
// such numbers is refused without a reply and without moving the mount.
std::string NexStarResponder::Goto(std::string_view angles, std::size_t digits, double now) {
    const auto ra = ParseHex(angles.substr(0, digits), digits);
    const auto dec = ParseHex(angles.substr(digits + 1), digits);
    if (!ra || !dec || angles[digits] != ',') return {};
    const Pointing target =
        digits == 4 ? FromUnits16(static_cast<std::uint16_t>(*ra), static_cast<std::uint16_t>(*dec))
                    : FromUnits32(*ra, *dec);
    mount_.GoTo(target, now);
    return "#";
}

}  // namespace talvo::sim
