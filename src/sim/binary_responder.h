// The binary protocols of the first Celestron hand controls: the NexStar 5/8 ("?" handshake,
// 4-byte GoTo, "@" when the GoTo ends) and the NexStar GT / Tasco StarGuide (6-byte GoTo with
// zero bytes after each angle, no replies to it).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/mount.h"
#include "sim/responder.h"

namespace talvo::sim {

enum class BinaryModel {
    kNexStar58,  // "?" -> "#"; "R" ra-hi ra-lo dec-hi dec-lo; "@" at the end of the slew
    kGt,         // "R" ra-hi ra-lo 0 dec-hi dec-lo 0
};

class BinaryResponder final : public Responder {
public:
    BinaryResponder(Mount& mount, BinaryModel model);

    std::vector<std::string> Receive(std::string_view bytes, double now) override;
    std::string Tick(double now) override;

private:
    bool TakeCommand(double now, std::vector<std::string>& replies);

    Mount& mount_;
    BinaryModel model_;
    std::string pending_;  // bytes of a command not yet complete
    double lastByte_ = 0.0;
    bool announceArrival_ = false;  // a NexStar 5/8 GoTo runs whose end is still to be sent
    int announcedSlew_ = 0;         // the mount's slew count of that GoTo
};

}  // namespace talvo::sim
