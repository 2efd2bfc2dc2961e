#include "engine/coordinates.h"

#include <algorithm>
#include <cmath>

#include "engine/numeric.h"
#include "engine/refraction.h"

namespace talvo {

namespace {

double Clamp1(double x) { return std::clamp(x, -1.0, 1.0); }

// numerator / denominator limited to -1..1; 1 when the denominator is 0 (at a pole, or with
// the object at the zenith, where the direction is undefined and any value will do).
double CosineRatio(double numerator, double denominator) {
    if (denominator == 0.0) return 1.0;
    return Clamp1(numerator / denominator);
}

// Splits a declination in degrees into the object's fields, the way precession and the
// alt-az inversion store it: whole degrees toward zero, minutes never negative.
void StoreDeclination(CurrentObject& object, double dec) {
    double whole = Fix(dec);
    double t = std::fabs(60.0 * (dec - whole));
    double arcMinutes = Fix(t);
    double arcSeconds = 60.0 * (t - arcMinutes);
    object.decDegrees = static_cast<int>(whole);
    object.decMinutes = arcMinutes + arcSeconds / 60.0;
    object.decSign = (whole == 0.0 && dec < 0.0) ? -1 : 1;
}

}  // namespace

double GetTargetEpoch(const ClockState& clock, double fixedEpoch) {
    return (clock.realTime && fixedEpoch > 0.0) ? fixedEpoch : clock.epochOfDate;
}

double RightAscensionHours(const CurrentObject& object) { return object.raHours + object.raMinutes / 60.0; }

double DeclinationDegrees(const CurrentObject& object) {
    if (object.decDegrees < 0) return object.decDegrees - object.decMinutes / 60.0;
    double dec = object.decDegrees + object.decMinutes / 60.0;
    return object.decDegrees == 0 ? dec * object.decSign : dec;
}

void StorePosition(CurrentObject& object, double raHours, double decDegrees) {
    object.raHours = static_cast<int>(Fix(raHours));
    object.raMinutes = std::fabs(60.0 * (raHours - Fix(raHours)));
    StoreDeclination(object, decDegrees);
}

void CarryDeclinationMinutes(CurrentObject& object) {
    if (object.decMinutes < 59.95) return;
    bool negative = object.decDegrees < 0 || object.decSign < 0;
    object.decMinutes = 0.0;
    object.decDegrees += negative ? -1 : 1;
    object.decSign = 1;  // the degrees are no longer 0 and carry the sign themselves
}

void StoreDisplayPosition(CurrentObject& object, double raHours, double decDegrees) {
    StorePosition(object, raHours, decDegrees);
    if (object.raMinutes >= 59.95) {
        object.raMinutes = 0.0;
        object.raHours = object.raHours + 1 == 24 ? 0 : object.raHours + 1;
    }
    CarryDeclinationMinutes(object);
}

void Precess(CurrentObject& object, double from, double to, double latitude) {
    if (object.present == 0 || from == to) return;

    // Position to decimal degrees, through the hours/minutes/seconds split the catalog uses.
    double h = object.raHours;
    double mi = Int(object.raMinutes);
    double s = 60.0 * (object.raMinutes - mi);
    double d = object.decDegrees;
    double dm = Int(object.decMinutes);
    double ds = 60.0 * (object.decMinutes - dm);

    // Newcomb's rates change by 0.0279" and -0.0085" a century (m = 3.07234 s + 0.00186 s T);
    // ten times that would make m 46.36" a year at 2000 instead of 46.12", 6" in 25 years.
    double t = ((from + to) / 2.0 - 1900.0) / 100.0;  // centuries from 1900 at mid-interval
    double years = to - from;
    double m = 46.08506 + 0.027945 * t + 0.0000012 * t * t;  // arc-seconds a year, in RA
    double n = 20.04685 - 0.008533 * t - 0.0000037 * t * t;  // arc-seconds a year, in Dec

    double alpha = (h + mi / 60.0 + s / 3600.0) * 15.0;
    bool south = object.decDegrees < 0 || object.decSign < 0;
    double delta = south ? d - dm / 60.0 - ds / 3600.0 : d + dm / 60.0 + ds / 3600.0;
    double alphaRad = alpha / kDegreesPerRadian;
    double deltaRad = delta / kDegreesPerRadian;

    double ra =
        alpha / 15.0 + (m / 15.0 + (n / 15.0) * std::sin(alphaRad) * std::tan(deltaRad)) * years / 3600.0;
    double dec = delta + n * std::cos(alphaRad) * years / 3600.0;

    ra -= 24.0 * Fix(ra / 24.0);
    // A right ascension carried just below 0 h belongs just below 24 h; left negative, its
    // split would lose the sign and show 0 h plus the minutes.
    if (ra < 0.0) ra += 24.0;
    dec -= 2.0 * Fix(dec / 90.0) * (std::fabs(dec) - 90.0);  // folded back over a pole

    StorePosition(object, ra, dec);
    object.meridianAltitude = 90.0 - std::fabs(object.decDegrees - latitude * kDegreesPerRadian);
}

float CalcAltAz(CurrentObject& object, double latitude, double localSiderealTime) {
    double delta = DeclinationDegrees(object) / kDegreesPerRadian;

    // H' is minus the hour angle, in (-12, 12] hours: negative west of the meridian.
    double ra = RightAscensionHours(object);
    if (ra < localSiderealTime) ra += 24.0;
    double hPrime = ra - localSiderealTime;
    if (hPrime > 12.0) hPrime -= 24.0;
    double hRad = hPrime * 15.0 / kDegreesPerRadian;

    double p = kPi / 2.0 - delta;     // polar distance
    double c = kPi / 2.0 - latitude;  // co-latitude
    double cosZ = Clamp1(std::cos(p) * std::cos(c) + std::sin(p) * std::sin(c) * std::cos(hRad));
    double z = AngleFromCosine(cosZ);
    double trueAltitude = kPi / 2.0 - z;

    double sinZ = std::sqrt(1.0 - cosZ * cosZ);
    double az = 0.0;
    if (sinZ != 0.0) {
        double cosA = CosineRatio(std::cos(p) - std::cos(c) * cosZ, sinZ * std::sin(c));
        az = AngleFromCosine(cosA);
        if (hPrime < 0.0) az = 2.0 * kPi - az;
    }

    double altitude = trueAltitude * kDegreesPerRadian;
    object.refraction = Refraction(altitude);
    altitude += object.refraction / 60.0;
    object.altitude = altitude;
    object.altitudeMinutes = std::fabs(60.0 * (altitude - Fix(altitude)));

    double azimuth = az * kDegreesPerRadian;
    if (azimuth < 0.0) azimuth += 360.0;
    if (azimuth >= 360.0) azimuth -= 360.0;
    object.azimuth = azimuth;
    object.azimuthMinutes = 60.0 * (azimuth - Int(azimuth));
    return static_cast<float>(altitude);
}

void CalcRaDecFromAltAz(CurrentObject& object, double latitude, double localSiderealTime) {
    double azimuth = object.azimuth + object.azimuthMinutes / 60.0;
    double a = azimuth / kDegreesPerRadian;
    if (a > kPi) a -= 2.0 * kPi;

    double apparent = object.altitude + object.altitudeMinutes / 60.0;
    if (apparent == 0.0) apparent = 1.0 / 120.0;
    object.refraction = InverseRefraction(apparent);
    double h = apparent - object.refraction / 60.0;
    object.altitude = h;

    double z = kPi / 2.0 - h / kDegreesPerRadian;  // zenith distance
    double c = kPi / 2.0 - latitude;               // co-latitude
    double cosP = Clamp1(std::cos(z) * std::cos(c) + std::sin(z) * std::sin(c) * std::cos(a));
    double p = AngleFromCosine(cosP);
    double dec = (kPi / 2.0 - p) * kDegreesPerRadian;

    double sinP = std::sqrt(1.0 - cosP * cosP);
    double hourAngle = 0.0;
    if (sinP != 0.0) {
        double cosH = CosineRatio(std::cos(z) - cosP * std::cos(c), sinP * std::sin(c));
        hourAngle = AngleFromCosine(cosH);
    }
    StoreDeclination(object, dec);

    double hours = hourAngle * kDegreesPerRadian / 15.0;
    // East of the meridian (azimuth below 180) the object has yet to transit: RA = LST + H.
    double ra = azimuth < 180.0 ? localSiderealTime + hours : localSiderealTime - hours;
    if (ra > 24.0) ra -= 24.0;
    if (ra < 0.0) ra += 24.0;
    object.raMinutes = 60.0 * (ra - Int(ra));
    object.raHours = static_cast<int>(Int(ra));
}

}  // namespace talvo
