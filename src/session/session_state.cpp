#include "session/session_state.h"

#include <cmath>

#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/time_zone.h"

namespace talvo {

void ApplySystemTimeZone(SessionState& state, const platform::TimeZone& zone) {
    const ZoneInformation info = zone.Query();
    state.site.utcOffsetHours = GetUtcOffset(state.site, info);
    GetZoneName(state.clock, state.site, info);
}

void ApplyDateOrder(SessionState& state) { state.clock.usDateOrder = UsesUsDateOrder(state.site); }

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
