#include "scope/scope_site_reads.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "scope/scope_port.h"

namespace talvo {
namespace {

constexpr double kLargestMinutes = 59.9999;              // minutes of a site are stored below 60
constexpr double kGpsUnitsPerDegree = 46603.3777777778;  // 2^24 units / 360 degrees
constexpr int kGpsDevice = 176;                          // the GPS unit on the telescope's bus
constexpr int kGpsPauseForAnswerMs = 100;
constexpr int kGpsReadSize = 16;  // the most an answer is read as when its length is unknown
constexpr int kGpsPollMs = 500;   // between link and time-valid questions

bool AllDigits(const std::string& text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) return false;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!IsDigit(text[i])) return false;
    }
    return true;
}

double Minutes(double minutes) { return minutes > kLargestMinutes ? kLargestMinutes : minutes; }

SiteReading PortFailure(const ScopePort& port, int portNumber) {
    SiteReading reading;
    reading.portDetail = port.Detail();
    switch (port.Fault()) {
        case PortFault::kOpenFailed:
            reading.status = SiteReadStatus::kOpenFailed;
            reading.error = "UNABLE TO OPEN COM " + std::to_string(portNumber);
            break;
        case PortFault::kWriteFailed:
            reading.status = SiteReadStatus::kWriteFailed;
            reading.error = "UNABLE TO WRITE TO COM " + std::to_string(portNumber);
            break;
        case PortFault::kNone:
        case PortFault::kAbandoned:
            reading.status = SiteReadStatus::kAbandoned;
            break;
    }
    return reading;
}

SiteReading Refused(const std::string& errorText, const std::string& reply) {
    SiteReading reading;
    reading.status = SiteReadStatus::kInvalidReply;
    reading.error = errorText + reply;
    reading.reply = reply;
    return reading;
}

SiteReading RolloverRefusal() {
    SiteReading reading;
    reading.status = SiteReadStatus::kUtcRollover;
    reading.error = "UTC rollover, possible time inconsistency. Please try again.";
    return reading;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(int year, int month, int day) {
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    return std::chrono::sys_days(date).time_since_epoch().count();
}

}  // namespace

std::optional<double> ParseMeadeLatitude(const std::string& reply) {
    // sDD*MM# or sDD*MM:SS#
    if (reply.size() < 7 || (reply[6] != '#' && (reply.size() < 10 || reply[9] != '#'))) return std::nullopt;
    const char sign = reply[0];
    if (sign != '+' && sign != '-' && !IsDigit(sign)) return std::nullopt;
    if (!AllDigits(reply, 1, 2) || !AllDigits(reply, 4, 2)) return std::nullopt;
    const int degrees = std::abs(Digits(reply, 0, 3));
    double minutes = Digits(reply, 4, 2);
    if (reply.size() >= 10) {
        if (!AllDigits(reply, 7, 2)) return std::nullopt;
        minutes += Digits(reply, 7, 2) / 60.0;
    }
    const double size = degrees + Minutes(minutes) / 60.0;
    if (size > 90.0) return std::nullopt;
    return sign == '-' ? -size : size;
}

std::optional<double> ParseMeadeLongitude(const std::string& reply) {
    if (reply.empty()) return std::nullopt;
    double value = 0.0;
    if (reply[0] == '-' || reply[0] == '+') {
        // sDDD*MM# or sDDD*MM:SS
        if (reply.size() < 8 || !AllDigits(reply, 1, 3) || !AllDigits(reply, 5, 2)) return std::nullopt;
        if (reply.size() < 10 && reply[7] != '#') return std::nullopt;
        double minutes = Digits(reply, 5, 2);
        if (reply[0] == '-' && reply.size() >= 10) {
            if (!AllDigits(reply, 8, 2)) return std::nullopt;
            minutes += Digits(reply, 8, 2) / 60.0;
        }
        value = Digits(reply, 1, 3) + Minutes(minutes) / 60.0;
        if (reply[0] == '-') value = -value;
    } else {
        // DDD*MM#
        if (reply.size() < 7 || reply[6] != '#' || !AllDigits(reply, 0, 3) || !AllDigits(reply, 4, 2)) {
            return std::nullopt;
        }
        value = Digits(reply, 0, 3) + Minutes(Digits(reply, 4, 2)) / 60.0;
    }
    // 0-360 westward: beyond 180 the site is east. Signed answers are folded the same way, so
    // that a site never leaves -180 to 180.
    if (value > 180.0) value = -(360.0 - value);
    if (value < -180.0) value = 360.0 + value;
    if (value < -180.0 || value > 180.0) return std::nullopt;
    return value;
}

std::optional<double> ParseMeadeUtcOffset(const std::string& reply) {
    std::string number;
    if (reply.size() >= 4 && reply[3] == '#') {
        number = reply.substr(0, 3);
    } else if (reply.size() >= 6 && reply[5] == '#') {
        number = reply.substr(0, 5);
    } else {
        return std::nullopt;
    }
    char* end = nullptr;
    const double hours = std::strtod(number.c_str(), &end);
    if (number.empty() || *end != '\0' || !std::isfinite(hours) || std::fabs(hours) > 24.0)
        return std::nullopt;
    return hours;
}

std::optional<CivilMoment> ParseMeadeDate(const std::string& reply, int currentYear) {
    // MM/DD/YY#
    if (reply.size() < 9 || reply[8] != '#' || reply[2] != '/' || reply[5] != '/') return std::nullopt;
    if (!AllDigits(reply, 0, 2) || !AllDigits(reply, 3, 2) || !AllDigits(reply, 6, 2)) return std::nullopt;
    CivilMoment moment;
    moment.month = Digits(reply, 0, 2);
    moment.day = Digits(reply, 3, 2);
    moment.year = currentYear / 100 * 100 + Digits(reply, 6, 2);
    const std::chrono::year_month_day date{std::chrono::year{moment.year},
                                           std::chrono::month{static_cast<unsigned>(moment.month)},
                                           std::chrono::day{static_cast<unsigned>(moment.day)}};
    if (!date.ok()) return std::nullopt;
    return moment;
}

bool ParseMeadeTime(const std::string& reply, CivilMoment& moment) {
    // HH:MM:SS#
    if (reply.size() < 9 || reply[8] != '#' || reply[2] != ':' || reply[5] != ':') return false;
    if (!AllDigits(reply, 0, 2) || !AllDigits(reply, 3, 2) || !AllDigits(reply, 6, 2)) return false;
    const int hour = Digits(reply, 0, 2), minute = Digits(reply, 3, 2), second = Digits(reply, 6, 2);
    if (hour > 23 || minute > 59 || second > 59) return false;
    moment.hour = hour;
    moment.minute = minute;
    moment.second = second;
    return true;
}

CivilMoment AddHours(const CivilMoment& moment, double offsetHours) {
    const long offsetMinutes = std::lround(offsetHours * 60.0);
    const long long seconds = (DaysFromCivil(moment.year, moment.month, moment.day) * 1440LL +
                               moment.hour * 60LL + moment.minute + offsetMinutes) *
                                  60LL +
                              moment.second;
    const long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long long ofDay = seconds - days * 86400;
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{days}}};
    CivilMoment result;
    result.year = static_cast<int>(date.year());
    result.month = static_cast<int>(static_cast<unsigned>(date.month()));
    result.day = static_cast<int>(static_cast<unsigned>(date.day()));
    result.hour = static_cast<int>(ofDay / 3600);
    result.minute = static_cast<int>(ofDay / 60 % 60);
    result.second = static_cast<int>(ofDay % 60);
    return result;
}

bool IsUtcRollover(const CivilMoment& utc) { return utc.hour == 0 && utc.minute == 0 && utc.second <= 2; }

std::string GpsQuery(int commandId, int answerLength) {
    return {'P',  '\x01', static_cast<char>(kGpsDevice),  static_cast<char>(commandId), '\0',
            '\0', '\0',   static_cast<char>(answerLength)};
}

std::optional<std::string> GpsAnswerData(const std::string& reply, int length) {
    const auto size = static_cast<std::size_t>(length);
    if (reply.size() < size + 1 || reply[size] != '#') return std::nullopt;
    return reply.substr(0, size);
}

double Gps24BitDegrees(const std::string& data) {
    int first = static_cast<unsigned char>(data.at(0));
    const bool negative = first >= 128;
    if (negative) first -= 128;
    const double units = first * 65536.0 + static_cast<unsigned char>(data.at(1)) * 256.0 +
                         static_cast<unsigned char>(data.at(2));
    const double degrees = units / kGpsUnitsPerDegree;
    return negative ? -(180.0 - degrees) : degrees;
}

SiteReading ReadMeadeSite(platform::CommIO& comm, const ScopeSettings& scope, const SiteReadContext& context,
                          const ExchangeHooks& hooks) {
    static_cast<void>(comm.CommClose(kScopeSlot));
    ScopePort port(comm);
    if (!port.Open(scope.scopePort)) return PortFailure(port, scope.scopePort);
    hooks.Status("No scope response yet. Verify Connection.");

    hooks.Status("Waiting for Scope Longitude.");
    std::optional<std::string> longitudeReply = port.Ask("#:Gg#", 11, hooks, 50, 7);
    if (!longitudeReply) return PortFailure(port, scope.scopePort);
    if (longitudeReply->size() > 10) longitudeReply->resize(10);
    hooks.Status("Waiting for Scope Latitude.");
    const std::optional<std::string> latitudeReply = port.Ask("#:Gt#", 10, hooks, 50, 7);
    if (!latitudeReply) return PortFailure(port, scope.scopePort);
    const std::optional<double> latitude = ParseMeadeLatitude(*latitudeReply);
    if (!latitude) return Refused("Invalid Scope Response to Latitude Query= ", *latitudeReply);
    const std::optional<double> longitude = ParseMeadeLongitude(*longitudeReply);
    // Any answer of seven or more bytes passes the telescope's own check; one that is no
    // longitude at all is refused here rather than stored as a site.
    if (!longitude) return Refused("Invalid Scope Response to Longitude Query= ", *longitudeReply);

    SiteReading reading;
    reading.latitudeDegrees = *latitude;
    reading.longitudeDegrees = *longitude;
    if (context.loadTime) {
        hooks.Status("Waiting for Scope Calendar Date.");
        const std::optional<std::string> dateReply = port.Ask("#:GC#", 9, hooks, 50, 9);
        if (!dateReply) return PortFailure(port, scope.scopePort);
        std::optional<CivilMoment> local = ParseMeadeDate(*dateReply, context.currentYear);
        if (!local) return Refused("Invalid Scope Response to Date Query= ", *dateReply);

        hooks.Status("Waiting for Scope UTC Offset.");
        const std::optional<std::string> offsetReply = port.Ask("#:GG#", 6, hooks, 50, 4);
        if (!offsetReply) return PortFailure(port, scope.scopePort);
        const std::optional<double> offset = ParseMeadeUtcOffset(*offsetReply);
        if (!offset) return Refused("Invalid Scope Response to UTC Offset Query= ", *offsetReply);

        hooks.Status("Waiting for Scope Time.");
        const std::optional<std::string> timeReply = port.Ask("#:GL#", 9, hooks, 50, 9);
        if (!timeReply) return PortFailure(port, scope.scopePort);
        if (!ParseMeadeTime(*timeReply, *local))
            return Refused("Invalid Scope Response to Time Query= ", *timeReply);

        // The handbox's offset counts daylight saving in; an Autostar's does not.
        reading.utcOffsetHours = *offset - (context.daylightTime && !scope.autostarHandbox ? 1.0 : 0.0);
        reading.offsetRead = true;
        reading.utc = AddHours(*local, reading.utcOffsetHours);
        if (IsUtcRollover(reading.utc)) return RolloverRefusal();
        reading.timeRead = true;
    }
    reading.status = SiteReadStatus::kOk;
    return reading;
}

namespace {

// One GPS query asked until the telescope answers; its data bytes, or nothing with `failure` set.
std::optional<std::string> AskGps(ScopePort& port, int portNumber, int commandId, int length,
                                  const std::string& errorText, const ExchangeHooks& hooks,
                                  SiteReading& failure) {
    const std::optional<std::string> reply =
        // The answer is its data and "#": waiting for more would only wait out the read's time limit.
        port.AskBytewise(GpsQuery(commandId, length), std::min(length + 1, kGpsReadSize), hooks,
                         kGpsPauseForAnswerMs);
    if (!reply) {
        failure = PortFailure(port, portNumber);
        return std::nullopt;
    }
    std::optional<std::string> data = GpsAnswerData(*reply, length);
    if (!data) failure = Refused(errorText, *reply);
    return data;
}

// Asks a yes-or-no GPS query until the answer is 1; false with `failure` set when it ends.
bool WaitForGps(ScopePort& port, int portNumber, int commandId, const std::string& waitingText,
                const std::string& errorText, const ExchangeHooks& hooks, SiteReading& failure) {
    for (;;) {
        const std::optional<std::string> data =
            AskGps(port, portNumber, commandId, 1, errorText, hooks, failure);
        if (!data) return false;
        if ((*data)[0] == '\x01') return true;
        hooks.Status(waitingText);
        hooks.Pause(kGpsPollMs);
        if (!hooks.KeepGoing()) {
            failure = SiteReading{};
            return false;
        }
    }
}

}  // namespace

SiteReading ReadCelestronGps(platform::CommIO& comm, const ScopeSettings& scope,
                             const SiteReadContext& context, const ExchangeHooks& hooks) {
    static_cast<void>(comm.CommClose(kScopeSlot));
    ScopePort port(comm);
    const int number = scope.scopePort;
    if (!port.Open(number)) return PortFailure(port, number);
    hooks.Status("No scope response yet. Verify Connection.\n(Scopes without GPS unit will not Respond.)");

    SiteReading failure;
    if (!WaitForGps(port, number, 55, "Waiting for scope to achieve GPS link",
                    "Invalid Scope Response to Link Query= ", hooks, failure)) {
        return failure;
    }
    SiteReading reading;
    if (context.loadTime) {
        if (!WaitForGps(port, number, 54, "Waiting for scope to obtain valid time from GPS",
                        "Invalid Scope Response to Time Valid Query= ", hooks, failure)) {
            return failure;
        }
        hooks.Status("Waiting for response to Date Query");
        const auto date =
            AskGps(port, number, 3, 2, "Invalid Scope Response to Date Query= ", hooks, failure);
        if (!date) return failure;
        hooks.Status("Waiting for response to Year Query");
        const auto year =
            AskGps(port, number, 4, 2, "Invalid Scope Response to Year Query= ", hooks, failure);
        if (!year) return failure;
        reading.utc.month = static_cast<unsigned char>((*date)[0]);
        reading.utc.day = static_cast<unsigned char>((*date)[1]);
        reading.utc.year =
            static_cast<unsigned char>((*year)[0]) * 256 + static_cast<unsigned char>((*year)[1]);
        if (std::abs(reading.utc.year - context.currentYear) > 1) {
            SiteReading refusal;
            refusal.status = SiteReadStatus::kYearMismatch;
            refusal.error = "Error: Scope Year= " + std::to_string(reading.utc.year) +
                            ", Computer Year = " + std::to_string(context.currentYear);
            return refusal;
        }
        hooks.Status("Waiting for response to Time Query");
        const auto time =
            AskGps(port, number, 51, 3, "Invalid Scope Response to Time Query= ", hooks, failure);
        if (!time) return failure;
        reading.utc.hour = static_cast<unsigned char>((*time)[0]);
        reading.utc.minute = static_cast<unsigned char>((*time)[1]);
        reading.utc.second = static_cast<unsigned char>((*time)[2]);
        const std::chrono::year_month_day day{std::chrono::year{reading.utc.year},
                                              std::chrono::month{static_cast<unsigned>(reading.utc.month)},
                                              std::chrono::day{static_cast<unsigned>(reading.utc.day)}};
        // A date or time out of range would set the computer's clock to nonsense.
        if (!day.ok() || reading.utc.hour > 23 || reading.utc.minute > 59 || reading.utc.second > 59) {
            return Refused("Invalid Scope Response to Time Query= ", *time);
        }
        if (IsUtcRollover(reading.utc)) return RolloverRefusal();
        reading.timeRead = true;
    }
    hooks.Status("Waiting for response to Latitude Query");
    const auto latitude =
        AskGps(port, number, 1, 3, "Invalid Scope Response to Latitude Query= ", hooks, failure);
    if (!latitude) return failure;
    hooks.Status("Waiting for response to Longitude Query");
    const auto longitude =
        AskGps(port, number, 2, 3, "Invalid Scope Response to Longitude Query= ", hooks, failure);
    if (!longitude) return failure;
    reading.latitudeDegrees = Gps24BitDegrees(*latitude);
    reading.longitudeDegrees = Gps24BitDegrees(*longitude);
    reading.status = SiteReadStatus::kOk;
    return reading;
}

}  // namespace talvo
