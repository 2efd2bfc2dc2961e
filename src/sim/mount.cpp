#include "sim/mount.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace talvo::sim {
namespace {

double Wrap(double value, double period) {
    double wrapped = std::fmod(value, period);
    if (wrapped < 0.0) wrapped += period;
    return wrapped >= period ? 0.0 : wrapped;
}

// Moves `travel` degrees (signed) at `rate` degrees a second for `seconds`, never past the end.
double Progress(double travel, double rate, double seconds) {
    const double covered = std::min(std::abs(travel), rate * seconds);
    return travel < 0.0 ? -covered : covered;
}

}  // namespace

Pointing NormalizePointing(double raHours, double decDegrees) {
    double dec = Wrap(decDegrees, 360.0);  // [0, 360)
    double ra = raHours;
    if (dec > 180.0) dec -= 360.0;  // (-180, 180]
    if (dec > 90.0) {
        dec = 180.0 - dec;
        ra += 12.0;
    } else if (dec < -90.0) {
        dec = -180.0 - dec;
        ra += 12.0;
    }
    return {Wrap(ra, 24.0), dec};
}

std::string DescribePointing(const Pointing& pointing) {
    const long seconds = std::lround(pointing.raHours * 3600.0) % 86400;
    const long arcMinutes = std::lround(std::abs(pointing.decDegrees) * 60.0);
    const char sign = pointing.decDegrees < 0.0 && arcMinutes != 0 ? '-' : '+';
    char text[48];
    std::snprintf(text, sizeof text, "%02ldh%02ldm%02lds %c%02ld\u00B0%02ld'", seconds / 3600,
                  seconds / 60 % 60, seconds % 60, sign, arcMinutes / 60, arcMinutes % 60);
    return text;
}

Mount::Mount(const Pointing& start, double slewRate)
    : from_(NormalizePointing(start.raHours, start.decDegrees)), target_(from_), rate_(slewRate) {}

void Mount::GoTo(const Pointing& target, double now) {
    from_ = PointingAt(now);
    target_ = NormalizePointing(target.raHours, target.decDegrees);
    raTravel_ = Wrap((target_.raHours - from_.raHours) * 15.0, 360.0);
    if (raTravel_ > 180.0) raTravel_ -= 360.0;
    decTravel_ = target_.decDegrees - from_.decDegrees;
    start_ = now;
    arrival_ = now + std::max(std::abs(raTravel_), std::abs(decTravel_)) / rate_;
    ++slewCount_;
}

void Mount::Stop(double now) {
    from_ = PointingAt(now);
    target_ = from_;
    raTravel_ = 0.0;
    decTravel_ = 0.0;
    arrival_ = std::min(arrival_, now);
}

Pointing Mount::PointingAt(double now) const {
    if (now >= arrival_) return target_;
    const double elapsed = std::max(0.0, now - start_);
    const double ra = from_.raHours + Progress(raTravel_, rate_, elapsed) / 15.0;
    const double dec = from_.decDegrees + Progress(decTravel_, rate_, elapsed);
    return {Wrap(ra, 24.0), dec};
}

bool Mount::IsSlewing(double now) const { return now < arrival_; }

}  // namespace talvo::sim
