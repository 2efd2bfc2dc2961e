// The NexStar hand-control protocol (NexStar GPS and later): one-letter commands, hexadecimal
// angles, every reply ending in "#".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/mount.h"
#include "sim/responder.h"
#include "sim/sim_site.h"

namespace talvo::sim {

// A command whose bytes stop coming for this long (seconds) is dropped, so that a torn command
// does not swallow the next one.
inline constexpr double kPartialCommandLimit = 2.0;

class NexStarResponder final : public Responder {
public:
    // `aligned` is the answer to "J"; `site` is what the GPS unit (device 176, reached through
    // the "P" pass-through) reports. Its delay counts from the first bytes received.
    NexStarResponder(Mount& mount, bool aligned, SimSite site = {});

    std::vector<std::string> Receive(std::string_view bytes, double now) override;

private:
    // The reply to the complete command at the start of `pending_`, removing it; false when the
    // bytes there are not yet a whole command.
    bool TakeCommand(double now, std::vector<std::string>& replies);
    std::string Goto(std::string_view angles, std::size_t digits, double now);
    // The reply to an 8-byte pass-through command "P", count, device, id, 0, 0, 0, reply length.
    std::string PassThrough(std::string_view command, double now);

    Mount& mount_;
    bool aligned_;
    std::string pending_;  // bytes of a command not yet complete
    double lastByte_ = 0.0;
    SimSite site_;
    double firstByte_ = -1.0;  // negative until bytes have come
};

}  // namespace talvo::sim
