// Loading the observer's site, and the computer's clock, from a hand-held GPS receiver: the
// questions and messages of the home file window's "Load From GPS Device". The reading itself
// (scope/gps_reading.h) only reports.
#pragma once

#include <functional>
#include <string>

#include "engine/observer_site.h"
#include "forms/dialog_services.h"
#include "platform/serial_port.h"
#include "platform/set_system_clock.h"
#include "scope/nmea.h"
#include "session/session_state.h"

namespace talvo {

// What the load asks of the window it runs in.
struct GpsWindow {
    std::function<void(const std::string&)> status;  // shows the reading's status line
    std::function<bool()> open;                      // false once the observer closed the window
};

enum class GpsLoadOutcome {
    kNotStarted,    // not in real time, no port, or the observer cancelled: nothing was read
    kUnsuccessful,  // the port failed or the reading was abandoned
    kLoaded,        // the site (and perhaps the clock) came from the receiver
};

class GpsCommands {
public:
    GpsCommands(SessionState& state, platform::CommIO& comm, DialogServices& dialogs);

    // The whole load: real time and a GPS port are needed and the observer asked to connect the
    // receiver (or the fix comes from gpsd: chosen as the GPS port, or accepted when gpsd holds
    // the receiver's port); the first valid fix sets the site (siteFromGps, configDirty) and, unless
    // doNotLoadTime, the system clock in UTC. Every message goes to the observer here.
    GpsLoadOutcome LoadFromGps(const GpsWindow& window);

    // Sets the system clock to a fix's UTC date and time; SetClockFromGps unless replaced.
    std::function<platform::ClockSetStatus(const GpsFix&)> setClock;

private:
    void Tell(const std::string& text);

    SessionState& state_;
    platform::CommIO& comm_;
    DialogServices& dialogs_;
};

// No receiver's date is earlier than this: TALVO was first built in 2026. An earlier date comes
// from a receiver that counts GPS weeks from an epoch long past (the week rollover), or from a
// receiver without a real fix; the computer's clock must not be set to it.
inline constexpr int kEarliestGpsClockYear = 2026;

// Sets the system clock (SetSystemClockUtc) to the fix's UTC date and time, unless the date is
// before kEarliestGpsClockYear: then nothing is set and the message says why.
[[nodiscard]] platform::ClockSetStatus SetClockFromGps(const GpsFix& fix);

// Writes a fix's site into `site`: latitude (north positive) and longitude (WEST positive) in
// radians from the unrounded minutes, and their display fields as the receiver gave them
// (minutes at most 59.9999). Sets siteFromGps.
void ApplyGpsSite(ObserverSite& site, const GpsFix& fix);

}  // namespace talvo
