#include "sim/nexstar_responder.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "sim/revolution_units.h"

namespace talvo::sim {

namespace {

constexpr unsigned char kGpsDevice = 176;
constexpr double kGpsUnitsPerDegree = 16777216.0 / 360.0;  // 24-bit angles

// A coordinate as the GPS unit's three bytes: a negative one has 128 added to its first byte
// and carries 180 degrees less its size.
std::string Angle24(double degrees) {
    const bool negative = degrees < 0.0;
    const double size = negative ? 180.0 - std::abs(degrees) : degrees;
    auto units = static_cast<std::uint32_t>(std::lround(size * kGpsUnitsPerDegree)) & 0x7FFFFF;
    if (negative) units |= 0x800000;
    return {static_cast<char>(units >> 16), static_cast<char>(units >> 8 & 0xFF),
            static_cast<char>(units & 0xFF)};
}

}  // namespace

NexStarResponder::NexStarResponder(Mount& mount, bool aligned, SimSite site)
    : mount_(mount), aligned_(aligned), site_(std::move(site)) {}

std::vector<std::string> NexStarResponder::Receive(std::string_view bytes, double now) {
    std::vector<std::string> replies;
    if (bytes.empty()) return replies;
    if (firstByte_ < 0.0) firstByte_ = now;
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
        case 'P':
            length = 8;
            if (pending_.size() >= length) reply = PassThrough(std::string_view(pending_).substr(0, 8), now);
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

std::string NexStarResponder::PassThrough(std::string_view command, double now) {
    if (static_cast<unsigned char>(command[2]) != kGpsDevice) return {};
    const bool fixed = now - firstByte_ >= site_.gpsDelaySeconds;
    const SimMoment utc = SiteMoment(site_, false);
    std::string data;
    switch (static_cast<unsigned char>(command[3])) {
        case 55:  // linked
        case 54:  // time valid
            data = fixed ? "\x01" : std::string(1, '\0');
            break;
        case 1:
            data = Angle24(site_.latitudeDegrees);
            break;
        case 2:
            data = Angle24(site_.longitudeDegrees);
            break;
        case 3:
            data = {static_cast<char>(utc.month), static_cast<char>(utc.day)};
            break;
        case 4:
            data = {static_cast<char>(utc.year >> 8), static_cast<char>(utc.year & 0xFF)};
            break;
        case 51:
            data = {static_cast<char>(utc.hour), static_cast<char>(utc.minute),
                    static_cast<char>(utc.second)};
            break;
        default:
            return {};
    }
    return data + "#";
}

}  // namespace talvo::sim
