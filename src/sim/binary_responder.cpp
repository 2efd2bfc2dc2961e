#include "sim/binary_responder.h"

#include "sim/nexstar_responder.h"
#include "sim/revolution_units.h"

namespace talvo::sim {
namespace {

std::uint16_t Word(char high, char low) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(high) << 8 |
                                      static_cast<unsigned char>(low));
}

}  // namespace

BinaryResponder::BinaryResponder(Mount& mount, BinaryModel model) : mount_(mount), model_(model) {}

std::vector<std::string> BinaryResponder::Receive(std::string_view bytes, double now) {
    std::vector<std::string> replies;
    if (bytes.empty()) return replies;
    if (!pending_.empty() && now - lastByte_ > kPartialCommandLimit) pending_.clear();
    lastByte_ = now;
    pending_.append(bytes);
    while (!pending_.empty() && TakeCommand(now, replies)) {
    }
    return replies;
}

bool BinaryResponder::TakeCommand(double now, std::vector<std::string>& replies) {
    const char letter = pending_[0];
    if (letter == '?' && model_ == BinaryModel::kNexStar58) {
        pending_.erase(0, 1);
        replies.emplace_back("#");
        return true;
    }
    if (letter == 'E') {  // big-endian 16-bit angles: ra-hi ra-lo dec-hi dec-lo
        pending_.erase(0, 1);
        const Units16 units = ToUnits16(mount_.PointingAt(now));
        replies.push_back({static_cast<char>(units.ra >> 8), static_cast<char>(units.ra & 0xFF),
                           static_cast<char>(units.dec >> 8), static_cast<char>(units.dec & 0xFF)});
        return true;
    }
    if (letter != 'R') {  // no command: skipped
        pending_.erase(0, 1);
        return true;
    }
    const std::size_t length = model_ == BinaryModel::kNexStar58 ? 5 : 7;
    if (pending_.size() < length) return false;
    // The GT form carries a zero byte after each angle, whatever its value.
    const std::size_t decAt = model_ == BinaryModel::kNexStar58 ? 3 : 4;
    mount_.GoTo(FromUnits16(Word(pending_[1], pending_[2]), Word(pending_[decAt], pending_[decAt + 1])), now);
    pending_.erase(0, length);
    if (model_ == BinaryModel::kNexStar58) {
        announceArrival_ = true;
        announcedSlew_ = mount_.SlewCount();
    }
    replies.emplace_back();
    return true;
}

std::string BinaryResponder::Tick(double now) {
    if (!announceArrival_ || mount_.IsSlewing(now)) return {};
    announceArrival_ = false;
    return mount_.SlewCount() == announcedSlew_ ? "@" : "";
}

}  // namespace talvo::sim
