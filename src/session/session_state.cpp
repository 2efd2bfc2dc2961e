#include "session/session_state.h"

#include <cmath>

#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/solar_system.h"
#include "engine/time_scales.h"
#include "engine/time_zone.h"

namespace talvo {

void ApplySystemTimeZone(SessionState& state, const platform::TimeZone& zone) {
    const ZoneInformation info = zone.Query();
    state.site.utcOffsetHours = GetUtcOffset(state.site, info);
    GetZoneName(state.clock, state.site, info);
}

void ApplyDateOrder(SessionState& state) { state.clock.usDateOrder = UsesUsDateOrder(state.site); }

void SelectEntry(SessionState& state, const CatalogEntry& entry) {
    CurrentObject& object = state.object;
    const double latitudeDegrees = state.site.latitude * kDegreesPerRadian;
    object.transitAltitude = 90.0 - std::fabs(entry.decDegrees - latitudeDegrees);
    StorePosition(object, entry.raHours, entry.decDegrees);
    object.magnitudeText = entry.magnitudeText;
    object.name1 = entry.names[0];
    object.name2 = entry.names[1];
    object.name3 = entry.names[2];
    object.name4 = entry.names[3];
    object.name5 = entry.names[4];
    object.epoch = entry.epoch;
    object.planetIndex = -1;
    object.present = 1;
    object.meridianAltitude = 90.0 - std::fabs(object.decDegrees - latitudeDegrees);
    Precess(object, object.epoch, GetTargetEpoch(state.clock, state.scope.fixedEpoch), state.site.latitude);
}

void SetLocalMoment(SessionState& state, const LocalDateTime& moment) {
    const double previousEpoch = GetTargetEpoch(state.clock, state.scope.fixedEpoch);
    state.clock.realTime = false;
    state.clock.SetMoment(moment);
    CalcTime(state.clock, state.site);
    // A body is recomputed for the new moment by the next refresh.
    if (!IsSolarSystemBody(state.object)) {
        Precess(state.object, previousEpoch, GetTargetEpoch(state.clock, state.scope.fixedEpoch),
                state.site.latitude);
    }
    state.riseSetValid = false;
}

void SelectPosition(SessionState& state, double raHours, double decDegrees, double epoch) {
    CurrentObject& object = state.object;
    object.present = 1;
    object.planetIndex = -1;
    object.epoch = epoch;
    StorePosition(object, raHours, decDegrees);
    object.meridianAltitude = 90.0 - std::fabs(object.decDegrees - state.site.latitude * kDegreesPerRadian);
    Precess(object, epoch, GetTargetEpoch(state.clock, state.scope.fixedEpoch), state.site.latitude);
    state.riseSetValid = false;
}

}  // namespace talvo
