// What every protocol of the simulator has in common: bytes from the line in, replies out, with
// the mount's state changed by the commands. Nothing here touches a device or a clock; `now` is
// seconds on the simulator's steady clock.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talvo::sim {

class Responder {
public:
    virtual ~Responder() = default;

    // Takes the next bytes of the stream (any split: part of a command, or several) and returns
    // one reply for each command they complete, in order; a command that answers nothing has an
    // empty reply. Bytes of a command not yet complete are kept for the next call.
    virtual std::vector<std::string> Receive(std::string_view bytes, double now) = 0;

    // Bytes the hand control sends of its own accord by `now` (the first NexStar models announce
    // the end of a GoTo); empty when there are none.
    virtual std::string Tick(double /*now*/) { return {}; }
};

}  // namespace talvo::sim
