// One run of the simulator without its device: the protocol's responder and the mount, with the
// line faults of the command line (no replies, garbage replies, hanging up) laid over them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "sim/mount.h"
#include "sim/nmea_source.h"
#include "sim/responder.h"
#include "sim/sim_options.h"

namespace talvo::sim {

struct SessionOutput {
    std::string reply;    // bytes to send back
    bool hangUp = false;  // the line is to be closed now
};

class SimSession {
public:
    // `random` gives the bytes of --garbage replies, one per call (any value 0-255); the program
    // passes a seeded generator, tests a fixed sequence.
    // `nmea` feeds the NMEA protocol.
    SimSession(const SimOptions& options, std::function<std::uint8_t()> random, NmeaInput nmea = {});

    // Bytes read from the line at `now` (seconds on the steady clock). With --hang-up-after only
    // the bytes up to the limit are served; reaching it asks for the hang-up.
    SessionOutput Receive(std::string_view bytes, double now);
    // Bytes the hand control sends unasked by `now`.
    std::string Tick(double now);

    [[nodiscard]] const Mount& GetMount() const { return mount_; }

private:
    std::string Garbage();

    SimOptions options_;
    Mount mount_;
    std::unique_ptr<Responder> responder_;
    std::function<std::uint8_t()> random_;
    unsigned long long received_ = 0;
};

}  // namespace talvo::sim
