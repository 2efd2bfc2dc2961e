// What the talvo-cli commands share: the session for the site and moment of the options.
#pragma once

#include <optional>

#include "app/cli_options.h"
#include "platform/clock.h"
#include "platform/fixed_time_zone.h"
#include "session/session_state.h"

namespace talvo {

// The zone of --utc-offset (a fixed offset without daylight time), or the system's.
class CliZone {
public:
    CliZone(const CliSessionOptions& options, const platform::TimeZone& systemZone) : system_(systemZone) {
        if (options.utcOffsetHours) given_.emplace(*options.utcOffsetHours);
    }
    const platform::TimeZone& Get() const {
        return given_ ? static_cast<const platform::TimeZone&>(*given_) : system_;
    }

private:
    const platform::TimeZone& system_;
    std::optional<platform::FixedTimeZone> given_;
};

// Site, zone, date order, fixed epoch and moment from the options, and the time scales for it.
// A moment given on the command line is fictitious time, as the window's Date and Time
// commands make it; otherwise the clock is read now, in real time.
void PrepareCliSession(SessionState& state, const CliSessionOptions& options, const platform::Clock& clock,
                       const platform::TimeZone& zone);

// Makes the position or the body of the options the current object; nothing when neither is
// given. The session's time scales must be current.
void SelectPositionOrBody(SessionState& state, const CliObjectOptions& options);

}  // namespace talvo
