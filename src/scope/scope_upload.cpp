#include "scope/scope_upload.h"

#include <cmath>
#include <cstdio>

#include "scope/lx200_texts.h"
#include "scope/scope_port.h"

namespace talvo {
namespace {

constexpr int kPauseForAnswerMs = 100;
constexpr int kPauseAfterDateMs = 500;
constexpr int kDateTailLimitMs = 2000;  // the longest the two lines after the date are waited for
constexpr long kMinutesPerTurn = 360 * 60;

struct Step {
    const char* status;
    const char* errorText;
};

constexpr std::array<Step, 5> kSteps = {{
    {"Waiting for Scope Response to Longitude.", "Invalid Scope Response to Set Longitude="},
    {"Waiting for Scope Response to Latitude.", "Invalid Scope Response to Set Latitude= "},
    {"Waiting for Scope Response to UTC Offset.", "Invalid Scope Response to Set UTC Offset= "},
    {"Waiting for Scope Response to Date Upload", "Invalid Scope Response to Date Upload= "},
    {"Waiting for Scope Response to Time Upload.", "Invalid Scope Response to Time Upload= "},
}};
constexpr std::size_t kDateStep = 3;

std::string Format(const char* pattern, long a, long b, long c = 0) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

}  // namespace

std::array<std::string, 5> UploadCommands(const UploadValues& values) {
    // The telescope counts longitude 0-360 westward: an eastern site is 360 less its size.
    long longitude = std::lround(std::fabs(values.longitudeDegrees) * 60.0);
    if (values.longitudeDegrees < 0.0) longitude = kMinutesPerTurn - longitude;
    longitude %= kMinutesPerTurn;
    const long latitude = std::lround(std::fabs(values.latitudeDegrees) * 60.0);
    char offset[32];
    std::snprintf(offset, sizeof offset, "#:SG%c%04.1f#", values.utcOffsetHours < 0.0 ? '-' : '+',
                  std::fabs(values.utcOffsetHours));
    std::array<std::string, 5> commands = {
        Format("#:Sg %03ld*%02ld#", longitude / 60, longitude % 60),
        std::string("#:St ") + (values.latitudeDegrees < 0.0 ? "-" : "+") +
            Format("%02ld*%02ld#", latitude / 60, latitude % 60),
        offset,
        Format("#:SC %02ld/%02ld/%02ld#", values.month, values.day, values.year % 100),
        Format("#:SL %02ld:%02ld:%02ld#", values.hour, values.minute, values.second),
    };
    for (std::string& command : commands) command = CommaToPeriod(command);
    return commands;
}

double UploadUtcOffset(double siteOffsetHours, bool daylightTime, bool autostarHandbox) {
    return siteOffsetHours + (daylightTime && !autostarHandbox ? 1.0 : 0.0);
}

bool IsTooCloseToMidnight(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second >= 23 * 3600 + 59 * 60 + 55;
}

UploadResult PlayUpload(platform::CommIO& comm, int port, const UploadValues& values,
                        const ExchangeHooks& hooks) {
    static_cast<void>(comm.CommClose(kScopeSlot));
    UploadResult result;
    ScopePort link(comm);
    const auto portFailure = [&] {
        result.portDetail = link.Detail();
        if (link.Fault() == PortFault::kOpenFailed) {
            result.status = UploadStatus::kOpenFailed;
            result.error = "UNABLE TO OPEN COM " + std::to_string(port);
        } else if (link.Fault() == PortFault::kWriteFailed) {
            result.status = UploadStatus::kWriteFailed;
            result.error = "UNABLE TO WRITE TO COM " + std::to_string(port);
        } else {
            result.status = UploadStatus::kAbandoned;
        }
        return result;
    };
    if (!link.Open(port)) return portFailure();
    hooks.Status("No scope response yet. Verify Connection.");
    const std::array<std::string, 5> commands = UploadCommands(values);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        hooks.Status(kSteps[i].status);
        const std::optional<std::string> answer = link.Ask(commands[i], 1, hooks, kPauseForAnswerMs);
        if (!answer) return portFailure();
        if (*answer != "1") {
            result.status = UploadStatus::kRefused;
            result.reply = *answer;
            result.error = kSteps[i].errorText + *answer;
            return result;
        }
        if (i == kDateStep) {
            hooks.Pause(kPauseAfterDateMs);
            link.Drain(2, kDateTailLimitMs, hooks);
        }
    }
    result.status = UploadStatus::kOk;
    return result;
}

}  // namespace talvo
