// Choosing the Sun, the Moon or a planet from the solar-system list, and keeping it current.
#pragma once

#include <array>

#include "engine/solar_system.h"
#include "session/session_state.h"

namespace talvo {

// The rows of the solar-system list, in the order of planetIndex.
inline constexpr std::array<const char*, 10> kBodyListRows = {
    "0 Sun",     "1 Mercury", "2 Venus",  "3 Moon",    "4 Mars",
    "5 Jupiter", "6 Saturn",  "7 Uranus", "8 Neptune", "9 Pluto-dwarf"};

// Makes list row `index` (0-9) the current object: its name, position, size, phase, distance,
// elongation and constellation for the session's moment and site. Clears riseSetValid. The
// clock's time scales (CalcTime) must be current. An index outside 0-9 changes nothing and
// returns false.
[[nodiscard]] bool SelectBody(SessionState& state, int index);

// Recomputes the chosen body for the session's present moment (every tick of the real-time loop).
void UpdateBody(SessionState& state);

}  // namespace talvo
