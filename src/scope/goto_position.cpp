#include "scope/goto_position.h"

#include <cmath>

namespace talvo {

GotoPosition SplitGotoPosition(double raHours, double decDegrees) {
    GotoPosition position;
    double ra = std::fmod(raHours, 24.0);
    if (ra < 0.0) ra += 24.0;
    if (ra >= 24.0) ra = 0.0;  // fmod of a tiny negative value plus 24 can land on 24 itself
    position.raHours = static_cast<int>(std::floor(ra));
    position.raMinutes = (ra - position.raHours) * 60.0;

    position.decDegrees = static_cast<int>(std::trunc(decDegrees));
    position.decMinutes = std::fabs(decDegrees - position.decDegrees) * 60.0;
    position.decSign = (position.decDegrees == 0 && decDegrees < 0.0) ? -1 : 1;
    return position;
}

bool IsSouthern(const GotoPosition& position) { return position.decDegrees < 0 || position.decSign < 0; }

bool IsValidGotoPosition(const GotoPosition& p) {
    if (p.raHours < 0 || p.raHours > 23) return false;
    if (!(p.raMinutes >= 0.0 && p.raMinutes < 60.0)) return false;  // also refuses NaN
    if (!(p.decMinutes >= 0.0 && p.decMinutes < 60.0)) return false;
    if (p.decSign != 1 && p.decSign != -1) return false;
    if (p.decSign == -1 && p.decDegrees != 0) return false;
    double absolute = std::abs(p.decDegrees) * 60.0 + p.decMinutes;
    return absolute <= 90.0 * 60.0;
}

}  // namespace talvo
