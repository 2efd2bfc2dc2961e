#include "scope/gpsd_reading.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "platform/device_holders.h"
#include "platform/tcp_connection.h"

namespace talvo {
namespace {

constexpr int kConnectTimeoutMs = 3000;
constexpr int kIdlePauseMs = 50;
// gpsd sends the reports once asked; "json" selects them, nothing else is needed.
constexpr std::string_view kWatchRequest = "?WATCH={\"enable\":true,\"json\":true};\n";
// A line longer than this is no report of gpsd's (its longest, the satellite list, is a few KB).
constexpr std::size_t kLongestLine = 64 * 1024;

GpsdParse Verdict(GpsdVerdict verdict) {
    GpsdParse parse;
    parse.verdict = verdict;
    return parse;
}

std::optional<int> PortNumber(std::string_view text) {
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

std::optional<double> NumberField(const nlohmann::json& report, const char* name) {
    const auto field = report.find(name);
    if (field == report.end() || !field->is_number()) return std::nullopt;
    const double value = field->get<double>();
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool IsReportOf(const nlohmann::json& report, const char* kind) {
    if (!report.is_object()) return false;
    const auto field = report.find("class");
    return field != report.end() && field->is_string() && *field == kind;
}

}  // namespace

std::optional<GpsdAddress> ParseGpsdAddress(std::string_view text) {
    GpsdAddress address;
    std::string_view host = text;
    std::string_view port;
    bool portGiven = false;
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return std::nullopt;
            port = rest.substr(1);
            portGiven = true;
        }
    } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        portGiven = true;
    }
    if (host.empty()) return std::nullopt;
    address.host = std::string(host);
    if (portGiven) {
        const std::optional<int> number = PortNumber(port);
        if (!number) return std::nullopt;
        address.port = *number;
    }
    return address;
}

GpsdAddress DefaultGpsdAddress() {
    if (const char* text = std::getenv("TALVO_GPSD")) {
        if (const std::optional<GpsdAddress> address = ParseGpsdAddress(text)) return *address;
    }
    return {};
}

std::string GpsdAddressText(const GpsdAddress& address) {
    const bool v6 = address.host.find(':') != std::string::npos;
    return (v6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}

GpsdParse ParseGpsdReport(std::string_view line) {
    const nlohmann::json report = nlohmann::json::parse(line, nullptr, false);
    if (report.is_discarded() || !report.is_object()) return Verdict(GpsdVerdict::kMalformed);
    const auto kind = report.find("class");
    if (kind == report.end() || !kind->is_string()) return Verdict(GpsdVerdict::kMalformed);
    if (IsReportOf(report, "DEVICES")) {
        const auto devices = report.find("devices");
        const bool none = devices != report.end() && devices->is_array() && devices->empty();
        return Verdict(none ? GpsdVerdict::kNoReceiver : GpsdVerdict::kOther);
    }
    if (!IsReportOf(report, "TPV")) return Verdict(GpsdVerdict::kOther);

    const std::optional<double> mode = NumberField(report, "mode");
    const std::optional<double> latitude = NumberField(report, "lat");
    const std::optional<double> longitude = NumberField(report, "lon");
    const auto time = report.find("time");
    if (!mode || *mode < 2 || !latitude || !longitude || time == report.end() || !time->is_string()) {
        return Verdict(GpsdVerdict::kNoFix);
    }
    // "2026-12-06T21:30:05.000Z"; the fraction of the second is dropped.
    GpsdParse parse;
    GpsFix& fix = parse.fix;
    const std::string& stamp = time->get_ref<const std::string&>();
    char zone = 0;
    int consumed = 0;
    if (std::sscanf(stamp.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &fix.year, &fix.month, &fix.day, &fix.hour,
                    &fix.minute, &fix.second, &consumed) != 6) {
        return Verdict(GpsdVerdict::kMalformed);
    }
    const std::string_view rest = std::string_view(stamp).substr(static_cast<std::size_t>(consumed));
    zone = rest.empty() ? 0 : rest.back();
    if (zone != 'Z') return Verdict(GpsdVerdict::kMalformed);
    if (*latitude == 0.0 && *longitude == 0.0) return Verdict(GpsdVerdict::kZeroPosition);
    fix.latitude = GpsAngleFromDegrees(*latitude);
    fix.longitude = GpsAngleFromDegrees(-*longitude);  // gpsd gives east positive
    const bool inRange = std::abs(fix.latitude.degrees) <= 89 && std::abs(fix.longitude.degrees) <= 179 &&
                         fix.hour >= 0 && fix.hour <= 23 && fix.minute >= 0 && fix.minute <= 59 &&
                         fix.second >= 0 && fix.second <= 60 && IsCalendarDate(fix.year, fix.month, fix.day);
    if (!inRange) return Verdict(GpsdVerdict::kOutOfRange);
    if (fix.second >= 59) return Verdict(GpsdVerdict::kLastSecond);
    ++fix.second;  // the report reaches the computer about a second after its time stamp
    parse.verdict = GpsdVerdict::kFix;
    return parse;
}

bool GpsdHoldsDevice(const GpsdAddress& address, const std::string& devicePath, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    platform::TcpConnection gpsd;
    if (!gpsd.Connect(address.host, address.port, timeoutMs).ok() ||
        !gpsd.Send("?DEVICES;\n", timeoutMs).ok()) {
        return false;
    }
    std::string pending;
    while (Clock::now() < end && pending.size() <= kLongestLine) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (!gpsd.Receive(pending, static_cast<int>(left.count()) + 1).ok()) return false;
        for (std::size_t stop = pending.find('\n'); stop != std::string::npos; stop = pending.find('\n')) {
            const nlohmann::json report = nlohmann::json::parse(pending.substr(0, stop), nullptr, false);
            pending.erase(0, stop + 1);
            if (!IsReportOf(report, "DEVICES")) continue;
            const auto devices = report.find("devices");
            if (devices == report.end() || !devices->is_array()) return false;
            for (const nlohmann::json& device : *devices) {
                if (!device.is_object()) continue;
                const auto path = device.find("path");
                if (path != device.end() && path->is_string() && platform::SameDevice(*path, devicePath)) {
                    return true;
                }
            }
            return false;
        }
    }
    return false;
}

GpsReading ReadGpsd(const GpsdAddress& address, const ExchangeHooks& hooks) {
    GpsReading reading;
    platform::TcpConnection gpsd;
    const std::string where = GpsdAddressText(address);
    platform::SocketStatus status = gpsd.Connect(address.host, address.port, kConnectTimeoutMs);
    if (status.ok()) status = gpsd.Send(kWatchRequest, kConnectTimeoutMs);
    if (!status.ok()) {
        reading.status = GpsReadStatus::kOpenFailed;
        reading.portDetail = "gpsd does not answer on " + where + ". " + status.message +
                             " Start it (\"sudo systemctl start gpsd\"), or choose the receiver's port.";
        return reading;
    }
    hooks.Status(kGpsdWaitingText);

    std::string pending;
    bool waitingShown = false;
    for (;;) {
        const std::size_t before = pending.size();
        status = gpsd.Receive(pending, 0);
        if (!status.ok()) {
            reading.status = GpsReadStatus::kDeviceFailed;
            reading.portDetail = status.code == platform::SocketStatus::Code::kClosed
                                     ? "gpsd on " + where + " ended the connection."
                                     : status.message;
            return reading;
        }
        const bool gotBytes = pending.size() > before;
        for (std::size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            const GpsdParse parse = ParseGpsdReport(line);
            if (parse.verdict == GpsdVerdict::kNoReceiver) hooks.Status(kGpsdNoReceiverText);
            if (parse.verdict == GpsdVerdict::kOther || parse.verdict == GpsdVerdict::kMalformed ||
                parse.verdict == GpsdVerdict::kNoReceiver) {
                continue;
            }
            if (!waitingShown) {
                hooks.Status(kGpsWaitingText);
                waitingShown = true;
            }
            if (parse.verdict == GpsdVerdict::kFix) {
                hooks.Status(kGpsValidText);
                reading.status = GpsReadStatus::kOk;
                reading.fix = parse.fix;
                return reading;
            }
        }
        if (pending.size() > kLongestLine) pending.clear();
        if (!hooks.KeepGoing()) {
            reading.status = GpsReadStatus::kAbandoned;
            return reading;
        }
        if (!gotBytes) hooks.Pause(kIdlePauseMs);
    }
}

}  // namespace talvo
