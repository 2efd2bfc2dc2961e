#include "forms/gps_commands.h"

#include <cstdio>

#include "forms/window_exchange_hooks.h"
#include "scope/gps_reading.h"
#include "scope/gpsd_reading.h"
#include "scope/scope_link.h"

namespace talvo {
namespace {

constexpr double kDegreesPerRadian = 57.29577957855229;
constexpr const char* kTitle = "TALVO";

}  // namespace

GpsCommands::GpsCommands(SessionState& state, platform::CommIO& comm, DialogServices& dialogs)
    : state_(state), comm_(comm), dialogs_(dialogs) {
    setClock = SetClockFromGps;
}

void GpsCommands::Tell(const std::string& text) { dialogs_.MessageBox(text, MessageButtons::Ok, kTitle); }

GpsLoadOutcome GpsCommands::LoadFromGps(const GpsWindow& window) {
    if (!state_.clock.realTime) {
        Tell("Must be in Real-Time Mode for GPS Operation");
        return GpsLoadOutcome::kNotStarted;
    }
    const int port = state_.scope.gpsPort;
    if (port < 1) {
        Tell("Must Select a COM Port for GPS on Options Form");
        return GpsLoadOutcome::kNotStarted;
    }
    bool fromGpsd = port == kGpsdSource;
    if (!fromGpsd) {
        const MessageAnswer ready = dialogs_.MessageBox(
            "Configure GPS interface to send NMEA 0183 V2 data, then connect GPS to " + ComPortName(port) +
                ", using a special GPS data cable. Click 'OK' when ready",
            MessageButtons::OkCancel, "Connect Up GPS Device");
        if (ready != MessageAnswer::Ok) return GpsLoadOutcome::kNotStarted;
    }

    ExchangeHooks hooks = WindowExchangeHooks(dialogs_);
    DialogServices& dialogs = dialogs_;
    hooks.keepGoing = [&window, &dialogs] {
        dialogs.DoEvents();
        return !window.open || window.open();
    };
    hooks.status = [&window, &dialogs](const std::string& text) {
        if (window.status) window.status(text);
        dialogs.DoEvents();
    };
    state_.riseSetValid = false;
    GpsReading reading =
        fromGpsd ? ReadGpsd(DefaultGpsdAddress(), hooks) : ReadGps(comm_, port, hooks, state_.clock.year);
    if (reading.status == GpsReadStatus::kHeldByGpsd) {
        const MessageAnswer instead = dialogs_.MessageBox(
            "UNABLE TO OPEN COM " + std::to_string(port) + "\n" + reading.portDetail +
                "\n\nRead the fix from gpsd instead? (Choose \"gpsd\" as the GPS port in the options window "
                "to read it from gpsd every time.)",
            MessageButtons::YesNo, kTitle);
        if (instead != MessageAnswer::Yes) return GpsLoadOutcome::kNotStarted;
        fromGpsd = true;
        reading = ReadGpsd(DefaultGpsdAddress(), hooks);
    }
    if (reading.status == GpsReadStatus::kOpenFailed) {
        std::string text =
            fromGpsd ? std::string("UNABLE TO REACH GPSD") : "UNABLE TO OPEN COM " + std::to_string(port);
        if (!reading.portDetail.empty()) text += "\n" + reading.portDetail;
        Tell(text);
        return GpsLoadOutcome::kUnsuccessful;
    }
    if (reading.status != GpsReadStatus::kOk) {
        Tell(reading.portDetail.empty() ? "GPS Reading Unsuccessful"
                                        : "GPS Reading Unsuccessful\n" + reading.portDetail);
        return GpsLoadOutcome::kUnsuccessful;
    }

    bool timeSet = false;
    if (!state_.doNotLoadTime) {
        const platform::ClockSetStatus clock = setClock(reading.fix);
        timeSet = clock.ok;
        if (!clock.ok) Tell("The computer will not accept GPS time: " + clock.message);
    }
    ApplyGpsSite(state_.site, reading.fix);
    state_.configDirty = true;
    Tell(std::string("Successful GPS Reading. Location ") +
         (timeSet ? "and Time have been set." : "has been set"));
    return GpsLoadOutcome::kLoaded;
}

platform::ClockSetStatus SetClockFromGps(const GpsFix& fix) {
    if (fix.year < kEarliestGpsClockYear) {
        char date[40];  // room for any int, though a fix's fields are a few digits
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", fix.year, fix.month, fix.day);
        return {false, std::string("the receiver's date ") + date +
                           " cannot be right (the receiver may count GPS weeks from an epoch long past)."};
    }
    return platform::SetSystemClockUtc(fix.year, fix.month, fix.day, fix.hour, fix.minute, fix.second);
}

void ApplyGpsSite(ObserverSite& site, const GpsFix& fix) {
    site.latitude = fix.latitude.value / kDegreesPerRadian;
    site.latDegrees = fix.latitude.degrees;
    site.latMinutes = fix.latitude.minutes;
    site.latSign = fix.latitude.sign;
    site.latSignText = fix.latitude.signText;
    site.longitude = fix.longitude.value / kDegreesPerRadian;
    site.lonDegrees = fix.longitude.degrees;
    site.lonMinutes = fix.longitude.minutes;
    site.lonSign = fix.longitude.sign;
    site.lonSignText = fix.longitude.signText;
    site.siteFromGps = true;
}

}  // namespace talvo
