// Changing the epoch the telescope takes its coordinates in, with the object shown following it.
#pragma once

#include "session/session_state.h"

namespace talvo {

// Sets scope.fixedEpoch (a year, -1 for none, as ScopeSettings holds it) and moves a catalog or
// typed object from the epoch it was shown in to the epoch positions are now presented in (which
// changes only in real time). A body of the solar-system list is recomputed by the next refresh.
void SetFixedEpoch(SessionState& state, double fixedEpoch);

}  // namespace talvo
