// Giving an LX200-family telescope the site and time the system holds: the five set commands
// (":Sg", ":St", ":SG", ":SC", ":SL") and the exchange that sends them, each until the
// telescope answers "1".
#pragma once

#include <array>
#include <string>

#include "platform/serial_port.h"
#include "scope/scope_link.h"

namespace talvo {

struct UploadValues {
    double latitudeDegrees = 0.0;   // north positive
    double longitudeDegrees = 0.0;  // west positive
    double utcOffsetHours = 0.0;    // as the telescope takes it: west positive, daylight saving included
    int year = 2000, month = 1, day = 1;   // the local date
    int hour = 0, minute = 0, second = 0;  // the local time
};

// The five commands in the order they are sent: "#:Sg DDD*MM#" (longitude 0-360 westward),
// "#:St sDD*MM#", "#:SGsHH.H#", "#:SC MM/DD/YY#", "#:SL HH:MM:SS#". Angles are rounded to whole
// minutes, the minutes carrying into the degrees.
std::array<std::string, 5> UploadCommands(const UploadValues& values);

// The offset the telescope is given: the site's, plus 1 while daylight saving time is in effect
// unless the handbox is an Autostar (which adds daylight saving itself).
double UploadUtcOffset(double siteOffsetHours, bool daylightTime, bool autostarHandbox);

// True from 23:59:55 local time on: the date sent could be yesterday's by the time the time is.
bool IsTooCloseToMidnight(int hour, int minute, int second);

enum class UploadStatus {
    kOk,
    kOpenFailed,   // "UNABLE TO OPEN COM n"
    kWriteFailed,  // "UNABLE TO WRITE TO COM n"
    kAbandoned,    // the hooks said to stop; nothing to tell
    kRefused,      // an answer other than "1" (`reply`)
};

struct UploadResult {
    UploadStatus status = UploadStatus::kAbandoned;
    std::string error;       // the text for the user when status is kOpenFailed to kRefused
    std::string reply;       // the answer that was not "1"
    std::string portDetail;  // why the port failed, in the system's words
};

// Opens the telescope's port and sends the five commands (commas turned into periods), each
// until a one-byte answer comes. After the date the telescope sends two more lines ("Updating
// Planetary Data#" and a line of blanks ending in "#"); they are read and dropped so that the
// time's answer is not taken from them. The slot is closed at the end.
[[nodiscard]] UploadResult PlayUpload(platform::CommIO& comm, int port, const UploadValues& values,
                                      const ExchangeHooks& hooks);

}  // namespace talvo
