#include "scope/gps_reading.h"

#include "platform/com_names.h"
#include "platform/device_holders.h"
#include "scope/gpsd_reading.h"

namespace talvo {
namespace {

constexpr std::int32_t kReadSize = 256;  // bytes asked for in one read
constexpr int kIdlePauseMs = 50;         // wait after a read that found nothing (4800 baud: ~24 bytes)
constexpr int kGpsdQueryMs = 1000;       // longest wait for gpsd's list of its devices

// The receiver's port is read by gpsd: it may not be locked, so opening it would succeed and the
// two programs would share the bytes. Only a running gpsd is asked (asking starts one that the
// system starts on demand).
bool PortReadByGpsd(const std::string& portName) {
    const std::optional<std::string> device = platform::ComDevicePath(portName);
    return device && platform::ProgramRunning("gpsd") &&
           GpsdHoldsDevice(DefaultGpsdAddress(), *device, kGpsdQueryMs);
}

// The GPS slot, closed however the reading ends.
class GpsPort {
public:
    explicit GpsPort(platform::CommIO& comm) : comm_(comm) {}
    ~GpsPort() {
        static_cast<void>(comm_.CommFlush(kGpsSlot));
        static_cast<void>(comm_.CommClose(kGpsSlot));
    }
    GpsPort(const GpsPort&) = delete;
    GpsPort& operator=(const GpsPort&) = delete;

private:
    platform::CommIO& comm_;
};

}  // namespace

GpsReading ReadGps(platform::CommIO& comm, int gpsPort, const ExchangeHooks& hooks, int currentYear) {
    GpsReading reading;
    static_cast<void>(comm.CommClose(kGpsSlot));
    const std::string portName = ComPortName(gpsPort);
    if (PortReadByGpsd(portName)) {
        reading.status = GpsReadStatus::kHeldByGpsd;
        reading.portDetail = platform::ComDevicePath(portName).value_or(portName) + " (" + portName +
                             ") is in use by gpsd, the GPS service.";
        return reading;
    }
    GpsPort port(comm);
    if (comm.CommOpen(kGpsSlot, portName, kGpsMode) != 0) {
        reading.status =
            comm.CommLastError().heldByGpsd ? GpsReadStatus::kHeldByGpsd : GpsReadStatus::kOpenFailed;
        reading.portDetail = comm.CommLastError().message;
        return reading;
    }
    static_cast<void>(comm.CommFlush(kGpsSlot));  // sentences from before the observer was ready
    hooks.Status(kGpsNoDataText);

    NmeaAssembler assembler;
    bool waitingShown = false;
    for (;;) {
        std::string bytes;
        const std::int32_t got = comm.CommRead(kGpsSlot, bytes, kReadSize);
        if (got < 0) {
            reading.status = GpsReadStatus::kDeviceFailed;
            reading.portDetail = comm.CommLastError().message;
            return reading;
        }
        for (const std::string& sentence : assembler.Feed(bytes)) {
            if (!IsRecommendedMinimum(sentence)) continue;
            if (!waitingShown) {
                hooks.Status(kGpsWaitingText);
                waitingShown = true;
            }
            const NmeaParse parse = ParseRecommendedMinimum(sentence, currentYear);
            if (parse.verdict == NmeaVerdict::kAccepted) {
                hooks.Status(kGpsValidText);
                reading.status = GpsReadStatus::kOk;
                reading.fix = parse.fix;
                return reading;
            }
        }
        if (!hooks.KeepGoing()) {
            reading.status = GpsReadStatus::kAbandoned;
            return reading;
        }
        if (got == 0) hooks.Pause(kIdlePauseMs);
    }
}

}  // namespace talvo
