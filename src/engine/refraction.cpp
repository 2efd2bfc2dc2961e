#include "engine/refraction.h"

#include <cmath>

#include "engine/numeric.h"

namespace talvo {

double Refraction(double trueAltitudeDegrees) {
    double h = trueAltitudeDegrees;
    if (h < -0.57333) return 0.0;
    return 1.02 / std::tan((h + 10.3 / (h + 5.11)) / kDegreesPerRadian);
}

double InverseRefraction(double apparentAltitudeDegrees) {
    double h = apparentAltitudeDegrees;
    if (h < 0.0) return 0.0;
    return 1.0 / std::tan((h + 7.31 / (h + 4.4)) / kDegreesPerRadian);
}

}  // namespace talvo
