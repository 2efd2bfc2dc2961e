#include "session/body_selection.h"

#include <array>

#include "engine/coordinates.h"
#include "engine/solar_system.h"

namespace talvo {

namespace {

// name1 of each body: padded to 12 characters (Pluto's longer name is kept whole).
constexpr std::array<const char*, 10> kBodyNames = {
    "Sun         ", "Mercury     ", "Venus       ", "Moon        ", "Mars        ",
    "Jupiter     ", "Saturn      ", "Uranus      ", "Neptune     ", "Pluto (dwarf)"};

}  // namespace

bool SelectBody(SessionState& state, int index) {
    if (index < kSun || index > kPluto) return false;
    CurrentObject& object = state.object;
    object = CurrentObject{};
    object.planetIndex = index;
    object.name1 = kBodyNames[index];
    // Present before the first computation: precession to the presented epoch skips an object
    // that is not there.
    object.present = 1;
    UpdateBody(state);
    state.riseSetValid = false;
    return true;
}

void UpdateBody(SessionState& state) {
    CurrentObject& object = state.object;
    if (!IsSolarSystemBody(object)) return;
    // The elongation first: the Moon's phase and the Sun's distance come from its theory.
    double earthRadiusVector = CalcElongation(object, state.clock);
    if (object.planetIndex == kMoon) {
        CalcMoonPosition(object, state.clock, state.site.latitude);
        return;
    }
    CalcPlanet(object, state.clock, state.site.latitude, GetTargetEpoch(state.clock, state.scope.fixedEpoch));
    if (object.planetIndex == kSun) object.distanceAU = earthRadiusVector;
}

}  // namespace talvo
