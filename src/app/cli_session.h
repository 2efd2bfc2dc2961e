// What the talvo-cli commands share: the session for the site and moment of the options.
#pragma once

#include <optional>
#include <ostream>
#include <string>

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

// The program's folders, then the home file (--home, or TALVO.HOM from the writable folder, else
// the data folder) read as the window reads it, with its questions answered No on `messages`
// and no first-run actions; then site, zone, date order, fixed epoch and moment from the
// options, which win over the file (--lat alone keeps the file's longitude, and the reverse),
// and the time scales for it. A moment given on the command line is fictitious time, as the
// window's Date and Time commands make it; otherwise the clock is read now, in real time.
// Returns why the file of --home cannot be read (the session is then unprepared); empty
// otherwise. A default TALVO.HOM that cannot be read leaves the program's defaults.
[[nodiscard]] std::string PrepareCliSession(SessionState& state, const CliSessionOptions& options,
                                            const platform::Clock& clock, const platform::TimeZone& zone,
                                            std::ostream& messages);

// Makes the position or the body of the options the current object; nothing when neither is
// given. The session's time scales must be current.
void SelectPositionOrBody(SessionState& state, const CliObjectOptions& options);

}  // namespace talvo
