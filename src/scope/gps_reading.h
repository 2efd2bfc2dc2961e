// Reading a fix from the GPS receiver: its port is opened, the NMEA sentences are read until a
// recommended-minimum sentence with a valid fix arrives, and the port is closed again.
#pragma once

#include <cstdint>
#include <string>

#include "platform/serial_port.h"
#include "scope/nmea.h"
#include "scope/scope_link.h"

namespace talvo {

// The serial slot of the GPS receiver, and the line it speaks (NMEA 0183).
inline constexpr std::int16_t kGpsSlot = 2;
inline constexpr const char* kGpsMode = "baud=4800 parity=N data=8 stop=1";

// The status lines of a reading.
inline constexpr const char* kGpsNoDataText =
    "No valid NMEA data yet seen. Verify GPS Configuration and Connection";
inline constexpr const char* kGpsWaitingText = "Waiting for Valid Satellite Data Fix";
inline constexpr const char* kGpsValidText = "GPS Data Valid";

enum class GpsReadStatus {
    kOk,            // `fix` holds the first accepted sentence's fix
    kOpenFailed,    // the port could not be opened (`portDetail` says why)
    kHeldByGpsd,    // gpsd, the GPS service, reads the port: the fix may come from gpsd instead
    kDeviceFailed,  // a read failed, or the receiver went away (`portDetail`)
    kAbandoned,     // the hooks said to stop before a fix came
};

struct GpsReading {
    GpsReadStatus status = GpsReadStatus::kAbandoned;
    GpsFix fix;
    std::string portDetail;
};

// Opens slot kGpsSlot on "COM" + `gpsPort` (unless gpsd reads that port), flushes it and reads until a
// recommended-minimum sentence is accepted (see ParseRecommendedMinimum; `currentYear` gives the century),
// the hooks say to stop, or the device fails. Between empty reads it pauses through the hooks; keepGoing is
// asked after every read that brought no fix. The slot is closed at the end.
[[nodiscard]] GpsReading ReadGps(platform::CommIO& comm, int gpsPort, const ExchangeHooks& hooks,
                                 int currentYear);

}  // namespace talvo
