#include "forms/scope_site_commands.h"

#include <cmath>
#include <cstdio>

#include "engine/numeric.h"
#include "engine/observer_site.h"

namespace talvo {
namespace {

constexpr int kFirstUploadModel = 401;  // the Meade models that take a site and time
constexpr int kLastUploadModel = 407;

std::string Hours(double hours) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", hours);
    return text;
}

}  // namespace

std::string UtcOffsetWarning(double telescopeHours, double systemHours) {
    return "Warning: Telescope UTC Offset " + Hours(telescopeHours) + " is Different from Window's " +
           Hours(systemHours);
}

UploadValues UploadValuesOf(const SessionState& state, bool daylightTime) {
    const ObserverSite& site = state.site;
    const ClockState& clock = state.clock;
    UploadValues values;
    values.latitudeDegrees = site.latitude * kDegreesPerRadian;
    values.longitudeDegrees = site.longitude * kDegreesPerRadian;
    values.utcOffsetHours = UploadUtcOffset(site.utcOffsetHours, daylightTime, state.scope.autostarHandbox);
    values.year = clock.year;
    values.month = clock.month;
    values.day = clock.day;
    values.hour = clock.hour;
    values.minute = clock.minute;
    values.second = clock.second;
    return values;
}

bool ScopeSiteCommands::DaylightTime() const {
    if (daylightTime) return daylightTime();
    return std::fabs(state_.site.utcOffsetHours - state_.site.standardOffsetHours) > 0.01;
}

void ScopeSiteCommands::Tell(const std::string& text) {
    if (!state_.scriptMode) dialogs_.MessageBox(text, MessageButtons::Ok, "TALVO");
}

bool ScopeSiteCommands::LoadFromScope(const ExchangeHooks& hooks) {
    const ScopeSettings& scope = state_.scope;
    const bool celestron = scope.scopeType == 1;
    if (!celestron && scope.scopeType != 4) return false;
    if (celestron && !state_.clock.realTime) {
        Tell("Must be in Real-Time Mode for GPS Operation");
        return false;
    }
    state_.riseSetValid = false;
    const SiteReadContext context{!state_.doNotLoadTime, state_.clock.year, DaylightTime()};
    const SiteReading reading = celestron ? ReadCelestronGps(comm_, scope, context, hooks)
                                          : ReadMeadeSite(comm_, scope, context, hooks);
    // A write that fails once the window has closed is how an abandoned wait ends: nothing to say.
    if (reading.status == SiteReadStatus::kWriteFailed && !hooks.KeepGoing()) return false;
    return ApplyReading(reading, celestron);
}

bool ScopeSiteCommands::ApplyReading(const SiteReading& reading, bool celestron) {
    if (reading.status != SiteReadStatus::kOk) {
        if (!reading.error.empty()) Tell(reading.error);
        return false;
    }
    ObserverSite& site = state_.site;
    if (reading.offsetRead && std::fabs(reading.utcOffsetHours - site.utcOffsetHours) > 0.001) {
        Tell(UtcOffsetWarning(reading.utcOffsetHours, site.utcOffsetHours));
    }
    if (reading.offsetRead) site.utcOffsetHours = static_cast<float>(reading.utcOffsetHours);
    if (reading.timeRead && setSystemClock) {
        const CivilMoment& utc = reading.utc;
        const std::string refusal =
            setSystemClock(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
        // A clock the system will not set still leaves the site to be taken.
        if (!refusal.empty()) Tell("The computer will not accept GPS time: " + refusal);
    }
    SetSite(site, reading.latitudeDegrees, reading.longitudeDegrees);
    site.siteFromGps = celestron || state_.scope.scopeHasGps;
    state_.configDirty = true;
    state_.riseSetValid = false;
    Tell(celestron ? "GPS Parameters Successfully Loaded from Telescope"
                   : "Parameters Successfully Loaded from Telescope");
    return true;
}

bool ScopeSiteCommands::Upload(const ExchangeHooks& hooks) {
    const ScopeSettings& scope = state_.scope;
    if (scope.scopeModel < kFirstUploadModel || scope.scopeModel > kLastUploadModel) {
        Tell("Function not Available");
        return false;
    }
    const ClockState& clock = state_.clock;
    if (!clock.realTime) {
        Tell("Must be in Real-Time Mode for Upload Operation");
        return false;
    }
    if (IsTooCloseToMidnight(clock.hour, clock.minute, clock.second)) {
        Tell("Date rollover, possible inconsistency. Try Again");
        return false;
    }
    const UploadValues values = UploadValuesOf(state_, DaylightTime());
    const UploadResult result = PlayUpload(comm_, scope.scopePort, values, hooks);
    if (result.status != UploadStatus::kOk) {
        const bool abandoned = result.status == UploadStatus::kWriteFailed && !hooks.KeepGoing();
        if (!result.error.empty() && !abandoned) Tell(result.error);
        return false;
    }
    hooks.Status("");
    Tell("Successful Upload to Telescope");
    return true;
}

}  // namespace talvo
