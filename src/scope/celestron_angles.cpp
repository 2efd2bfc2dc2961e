#include "scope/celestron_angles.h"

#include <cmath>
#include <cstdlib>

namespace talvo {
namespace {

constexpr double kUnitsPerThirdArcMinute = 1.011358;

std::uint16_t ToUnits(double arcMinutes) {
    double units = std::floor(arcMinutes * 3.0 * kUnitsPerThirdArcMinute + 0.5);
    long long whole = static_cast<long long>(units) % 65536;
    if (whole < 0) whole += 65536;
    return static_cast<std::uint16_t>(whole);
}

}  // namespace

CelestronAngles ToCelestronAngles(const GotoPosition& position) {
    CelestronAngles angles;
    angles.ra = ToUnits((position.raHours * 60.0 + position.raMinutes) * 15.0);
    double decArcMinutes = std::abs(position.decDegrees) * 60.0 + position.decMinutes;
    angles.dec = ToUnits(IsSouthern(position) ? 21600.0 - decArcMinutes : decArcMinutes);
    return angles;
}

}  // namespace talvo
