// The NexStar hand-control protocol (NexStar GPS and later): one-letter commands, hexadecimal
// angles, every reply ending in "#".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/mount.h"
#include "sim/responder.h"

namespace talvo::sim {

// A command whose bytes stop coming for this long (seconds) is dropped, so that a torn command
// does not swallow the next one.
inline constexpr double kPartialCommandLimit = 2.0;

class NexStarResponder final : public Responder {
public:
    // `aligned` is the answer to "J".
    NexStarResponder(Mount& mount, bool aligned);

    std::vector<std::string> Receive(std::string_view bytes, double now) override;

private:
    // The reply to the complete command at the start of `pending_`, removing it; false when the
    // bytes there are not yet a whole command.
    bool TakeCommand(double now, std::vector<std::string>& replies);
    std::string Goto(std::string_view angles, std::size_t digits, double now);

    Mount& mount_;
    bool aligned_;
    std::string pending_;  // bytes of a command not yet complete
    double lastByte_ = 0.0;
};

}  // namespace talvo::sim
