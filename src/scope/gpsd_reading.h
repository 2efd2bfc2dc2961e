// Reading a fix from the GPS service (gpsd), which often holds the receiver's port on Linux: its
// JSON reports on a TCP port, by default localhost:2947, are read until a time-position report
// with a fix arrives. The fix is the same as the receiver's own sentence would give.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "scope/gps_reading.h"
#include "scope/nmea.h"
#include "scope/scope_link.h"

namespace talvo {

struct GpsdAddress {
    std::string host = "localhost";
    int port = 2947;  // gpsd's registered port
};

// "host:port", "host", or "[v6-address]:port"; nothing when the port is not 1 to 65535 or the
// host is empty.
[[nodiscard]] std::optional<GpsdAddress> ParseGpsdAddress(std::string_view text);

// The address in the environment variable TALVO_GPSD when it is one, else localhost:2947.
[[nodiscard]] GpsdAddress DefaultGpsdAddress();

[[nodiscard]] std::string GpsdAddressText(const GpsdAddress& address);

// The status lines of a reading from gpsd (the ones of the serial reading follow them).
inline constexpr const char* kGpsdWaitingText =
    "No report from gpsd yet. Verify that gpsd has the GPS receiver";
inline constexpr const char* kGpsdNoReceiverText =
    "gpsd has no GPS receiver. Verify the receiver's connection and gpsd's configuration";

enum class GpsdVerdict {
    kFix,         // `fix` holds it
    kOther,       // a report of another kind
    kNoReceiver,  // the list of devices is empty
    kNoFix,       // a time-position report without a 2D or 3D fix, or without position or time
    kMalformed,   // not a JSON object, or a field of the wrong kind
    kZeroPosition,
    kOutOfRange,  // latitude above 89 degrees, longitude above 179, impossible date or time
    kLastSecond,  // seconds of 59 or more: the added second would spill over
};

struct GpsdParse {
    GpsdVerdict verdict = GpsdVerdict::kMalformed;
    GpsFix fix;
};

// Reads one line of gpsd's JSON. A fix follows the rules of a receiver's sentence: longitude
// WEST positive, the second one past the report's (fractions dropped), the last second of a
// minute passed over.
[[nodiscard]] GpsdParse ParseGpsdReport(std::string_view line);

// True when gpsd, running and answering at `address` within `timeoutMs`, reads the device at
// `devicePath` (the same device under any of its names).
[[nodiscard]] bool GpsdHoldsDevice(const GpsdAddress& address, const std::string& devicePath, int timeoutMs);

// Connects to gpsd, asks for its JSON reports and reads until a fix, the hooks say to stop, or
// the connection fails (kOpenFailed or kDeviceFailed, with `portDetail`). Between empty reads
// it pauses through the hooks; keepGoing is asked after every read that brought no fix.
[[nodiscard]] GpsReading ReadGpsd(const GpsdAddress& address, const ExchangeHooks& hooks);

}  // namespace talvo
