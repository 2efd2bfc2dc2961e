#include "sim/sim_session.h"

#include "sim/binary_responder.h"
#include "sim/lx200_responder.h"
#include "sim/nexstar_responder.h"

namespace talvo::sim {
namespace {

constexpr int kLongestGarbage = 12;  // bytes; a garbage reply has 1 to this many

std::unique_ptr<Responder> MakeResponder(const SimOptions& options, Mount& mount, NmeaInput& nmea) {
    const SimSite site{options.latitudeDegrees,
                       options.longitudeDegrees,
                       options.utcOffsetHours,
                       options.gpsDelaySeconds,
                       {}};
    switch (options.protocol) {
        case Protocol::kLx200:
            return std::make_unique<Lx200Responder>(
                mount, Lx200Settings{options.highPrecision, options.degreeMark, options.refuseSlew, site});
        case Protocol::kNexStar:
            return std::make_unique<NexStarResponder>(mount, !options.notAligned, site);
        case Protocol::kNexStarBinary:
            return std::make_unique<BinaryResponder>(mount, BinaryModel::kNexStar58);
        case Protocol::kNmea:
            if (!options.playPath.empty())
                return std::make_unique<NmeaPlayer>(std::move(nmea.recording), options.loop);
            return std::make_unique<NmeaGenerator>(options.latitudeDegrees, options.longitudeDegrees,
                                                   std::move(nmea.utcNow));
        case Protocol::kGtBinary:
            break;
    }
    return std::make_unique<BinaryResponder>(mount, BinaryModel::kGt);
}

}  // namespace

SimSession::SimSession(const SimOptions& options, std::function<std::uint8_t()> random, NmeaInput nmea)
    : options_(options),
      mount_({options.raHours, options.decDegrees}, options.slewRate),
      responder_(MakeResponder(options_, mount_, nmea)),
      random_(std::move(random)) {}

SessionOutput SimSession::Receive(std::string_view bytes, double now) {
    SessionOutput output;
    if (options_.hangUpAfter) {
        const unsigned long long left = *options_.hangUpAfter - received_;
        if (bytes.size() >= left) {
            bytes = bytes.substr(0, static_cast<std::size_t>(left));
            output.hangUp = true;
        }
    }
    received_ += bytes.size();
    for (const std::string& reply : responder_->Receive(bytes, now)) {
        if (options_.noReply) continue;
        output.reply += options_.garbage ? Garbage() : reply;
    }
    return output;
}

std::string SimSession::Tick(double now) {
    const std::string unasked = responder_->Tick(now);
    return options_.noReply ? std::string() : unasked;
}

std::string SimSession::Garbage() {
    const int length = 1 + random_() % kLongestGarbage;
    std::string bytes;
    for (int i = 0; i < length; ++i) bytes += static_cast<char>(random_());
    return bytes;
}

}  // namespace talvo::sim
