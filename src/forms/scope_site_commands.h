// Site and time from and to the telescope: applying what a Meade or Celestron GPS telescope
// reports to the session (and the computer's clock), and giving a Meade telescope the session's
// site and time. Messages to the observer are said here; the exchanges below only report.
#pragma once

#include <functional>
#include <string>

#include "forms/dialog_services.h"
#include "platform/serial_port.h"
#include "scope/scope_link.h"
#include "scope/scope_site_reads.h"
#include "scope/scope_upload.h"
#include "session/session_state.h"

namespace talvo {

// Sets the computer's clock to a UTC moment: "" when it was set, else the system's words.
using SetClockHook =
    std::function<std::string(int year, int month, int day, int hour, int minute, int second)>;

class ScopeSiteCommands {
public:
    ScopeSiteCommands(SessionState& state, platform::CommIO& comm, DialogServices& dialogs)
        : state_(state), comm_(comm), dialogs_(dialogs) {}

    // Sets the computer's clock; when empty, a time read is not applied to the clock.
    SetClockHook setSystemClock;
    // True while daylight saving time is in effect on the computer. When empty, the site's offset
    // differing from its zone's standard offset says so.
    std::function<bool()> daylightTime;

    // Reads the site (and with the time-loading option the time) from the telescope of type 1 or
    // 4 and applies it. True when the site was set; otherwise the observer was told why (nothing
    // when the hooks abandoned the exchange).
    bool LoadFromScope(const ExchangeHooks& hooks);

    // Applies a reading: the clock from its UTC time (when read and a clock hook is set), the
    // telescope's UTC offset (Meade), then the site, `siteFromGps` and `configDirty`. True when
    // the site was set.
    bool ApplyReading(const SiteReading& reading, bool celestron);

    // Gives a Meade telescope (models 401-407) the site, UTC offset, local date and time. True on
    // success; the observer is told the outcome either way.
    bool Upload(const ExchangeHooks& hooks);

private:
    bool DaylightTime() const;
    void Tell(const std::string& text);

    SessionState& state_;
    platform::CommIO& comm_;
    DialogServices& dialogs_;
};

// What an upload gives the telescope: the session's site, its UTC offset (with daylight time
// as UploadUtcOffset adds it) and the clock's local date and time.
UploadValues UploadValuesOf(const SessionState& state, bool daylightTime);

// "Warning: Telescope UTC Offset -4 is Different from Window's -5" (hours, west positive).
std::string UtcOffsetWarning(double telescopeHours, double systemHours);

}  // namespace talvo
