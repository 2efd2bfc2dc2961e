#include "session/fixed_epoch.h"

#include "engine/coordinates.h"
#include "engine/solar_system.h"

namespace talvo {

void SetFixedEpoch(SessionState& state, double fixedEpoch) {
    const double previousEpoch = GetTargetEpoch(state.clock, state.scope.fixedEpoch);
    state.scope.fixedEpoch = fixedEpoch;
    const double targetEpoch = GetTargetEpoch(state.clock, fixedEpoch);
    if (targetEpoch == previousEpoch) return;
    if (!IsSolarSystemBody(state.object))
        Precess(state.object, previousEpoch, targetEpoch, state.site.latitude);
    state.riseSetValid = false;
}

}  // namespace talvo
