// The site and time a GoTo telescope holds: the location queries of the LX200 family (":Gg#",
// ":Gt#", ":GC#", ":GG#", ":GL#") and the GPS queries of a Celestron NexStar with a GPS unit
// (binary pass-through to device 176), with the checks of their answers. The readings set
// nothing; the window applies what they return.
#pragma once

#include <optional>
#include <string>

#include "platform/serial_port.h"
#include "scope/scope_link.h"
#include "session/scope_settings.h"

namespace talvo {

enum class SiteReadStatus {
    kOk,
    kOpenFailed,    // "UNABLE TO OPEN COM n"
    kWriteFailed,   // "UNABLE TO WRITE TO COM n"
    kAbandoned,     // the hooks said to stop; nothing to tell
    kInvalidReply,  // an answer of the wrong shape (`reply`)
    kYearMismatch,  // the telescope's year is more than a year from the computer's
    kUtcRollover,   // the UTC time read is within two seconds after midnight
};

// A civil date and time, UTC unless said otherwise.
struct CivilMoment {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

struct SiteReading {
    SiteReadStatus status = SiteReadStatus::kAbandoned;
    double latitudeDegrees = 0.0;   // north positive
    double longitudeDegrees = 0.0;  // west positive
    bool timeRead = false;          // `utc` (and for a Meade telescope `utcOffsetHours`) were read
    CivilMoment utc;
    bool offsetRead = false;
    double utcOffsetHours = 0.0;  // the telescope's, hours west positive, daylight saving removed
    std::string error;            // the text for the user when status is not kOk or kAbandoned
    std::string reply;            // the answer that failed its check
    std::string portDetail;       // why the port failed, in the system's words
};

// What the reading needs to know of the computer.
struct SiteReadContext {
    bool loadTime = false;      // read the date and time too
    int currentYear = 2000;     // the computer's year: the Meade century, the Celestron year check
    bool daylightTime = false;  // daylight saving time is in effect on the computer
};

// Type 4. Opens the telescope's port, asks longitude and latitude, and with `loadTime` the date,
// UTC offset and time, each until an answer comes. The slot is closed at the end.
[[nodiscard]] SiteReading ReadMeadeSite(platform::CommIO& comm, const ScopeSettings& scope,
                                        const SiteReadContext& context, const ExchangeHooks& hooks);

// Type 1. Opens the telescope's port, waits for the GPS link, and with `loadTime` for valid time,
// then the date, year and time; then latitude and longitude. The slot is closed at the end.
[[nodiscard]] SiteReading ReadCelestronGps(platform::CommIO& comm, const ScopeSettings& scope,
                                           const SiteReadContext& context, const ExchangeHooks& hooks);

// --- Meade answers ---

// "sDD*MM#" or "sDD*MM:SS#" (any separator; sign "+", "-" or none): degrees north positive.
// Minutes above 59.9999 count as 59.9999. Nothing for another shape or beyond 90 degrees.
std::optional<double> ParseMeadeLatitude(const std::string& reply);

// "-DDD*MM#" (or "-DDD*MM:SS", the seconds form cut at ten characters), "+DDD*MM#", or
// "DDD*MM#": degrees west positive. Values above 180 (the unsigned form counts 0-360 westward)
// become 360 less the value, east (negative). Nothing for another shape.
std::optional<double> ParseMeadeLongitude(const std::string& reply);

// "sHH#" or "sHH.H#": the telescope's UTC offset, hours west positive (UTC = local + offset).
// Nothing for another shape or beyond 24 hours.
std::optional<double> ParseMeadeUtcOffset(const std::string& reply);

// "MM/DD/YY#": the local date, the century taken from `currentYear`. Nothing when not a date.
std::optional<CivilMoment> ParseMeadeDate(const std::string& reply, int currentYear);

// "HH:MM:SS#" into the time fields of `moment`; false when not a time of day.
[[nodiscard]] bool ParseMeadeTime(const std::string& reply, CivilMoment& moment);

// The local moment plus `offsetHours` (whole hours and minutes), the date rolling over.
CivilMoment AddHours(const CivilMoment& moment, double offsetHours);

// A UTC time from 00:00:00 to 00:00:02: the date read may belong to the day before.
bool IsUtcRollover(const CivilMoment& utc);

// --- Celestron answers ---

// The 8-byte pass-through query to the GPS unit (device 176) for `commandId`, `answerLength`
// data bytes expected.
std::string GpsQuery(int commandId, int answerLength);

// The data bytes of an answer: `length` bytes followed by "#"; nothing otherwise.
std::optional<std::string> GpsAnswerData(const std::string& reply, int length);

// Three bytes of a 24-bit angle (2^24 units a revolution) as signed degrees: a first byte of
// 128 or more marks a negative coordinate, whose size is 180 degrees less the rest.
double Gps24BitDegrees(const std::string& data);

}  // namespace talvo
