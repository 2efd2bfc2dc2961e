#include "engine/rise_set.h"

#include <algorithm>
#include <cmath>

#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr double kHorizonSunMoon = 90.82333;  // degrees of zenith distance
constexpr double kHorizonOther = 90.57333;
constexpr double kSolarPerSidereal = 0.9973;
constexpr double kMoonClockRate = 1.0366;
constexpr double kMoonExcess = 0.0366;

struct Context {
    double ra;        // hours
    double lst;       // hours
    double now;       // local clock time, hours
    double altitude;  // apparent, degrees
    bool isMoon;
    bool sunOrMoon;
};

Context MakeContext(const CurrentObject& object, const ClockState& clock) {
    Context c;
    c.ra = RightAscensionHours(object);
    c.lst = clock.localSiderealTime;
    c.now = clock.hour + clock.minute / 60.0 + clock.second / 3600.0;
    c.altitude = object.altitude;
    c.isMoon = object.planetIndex == kMoon;
    c.sunOrMoon = object.planetIndex == kSun || c.isMoon;
    return c;
}

// Hour angle (hours) of the horizon crossing for polar distance p and co-latitude c (radians).
double CrossingHourAngle(const Context& ctx, double colatitude, double polarDistance) {
    double h0 = (ctx.sunOrMoon ? kHorizonSunMoon : kHorizonOther) / kDegreesPerRadian;
    // cos H0 = (cos h0 - cos p cos c) / (sin p sin c): the whole numerator is divided, so the
    // horizon's refraction and semi-diameter count fully at every latitude.
    double x = (std::cos(h0) - std::cos(polarDistance) * std::cos(colatitude)) /
               (std::sin(polarDistance) * std::sin(colatitude));
    // At a pole (co-latitude 0) the ratio is undefined: the object circles along the horizon.
    if (std::isnan(x)) x = -1.0;
    x = std::clamp(x, -1.0, 1.0);
    return AngleFromCosine(x) * kDegreesPerRadian / 15.0;
}

void CalcRise(CurrentObject& object, const Context& ctx, double colatitude, double polarDistance) {
    double siderealRise = ctx.ra - CrossingHourAngle(ctx, colatitude, polarDistance);
    if (siderealRise < 0.0) siderealRise += 24.0;
    const char* marker = "  ";
    double rise;
    if (ctx.altitude >= 0.0) {
        rise = ctx.now - SiderealToClockHours(ctx.lst - siderealRise, ctx.isMoon);
        object.riseLabel = "Rose At = ";
        if (rise >= 24.0) {
            rise -= 24.0;
        } else if (rise < 0.0) {
            rise += 24.0;
            marker = " -";
        }
        if (rise - ctx.now > 0.01) marker = " -";
    } else {
        rise = ctx.now + SiderealToClockHours(siderealRise - ctx.lst, ctx.isMoon);
        object.riseLabel = "NextRise = ";
        if (rise >= 24.0) {
            rise -= 24.0;
            marker = " +";
        } else if (rise < 0.0) {
            rise += 24.0;
        }
        if (rise < ctx.now) marker = " +";
    }
    object.riseText = RiseSetTimeText(rise, marker);
}

void CalcSet(CurrentObject& object, const Context& ctx, double colatitude, double polarDistance) {
    double siderealSet = ctx.ra + CrossingHourAngle(ctx, colatitude, polarDistance);
    if (siderealSet >= 24.0) siderealSet -= 24.0;
    const char* marker = "  ";
    double set;
    if (ctx.altitude >= 0.0) {
        set = ctx.now + SiderealToClockHours(siderealSet - ctx.lst, ctx.isMoon);
        object.setLabel = "Sets At = ";
        if (set > 24.0) {
            set -= 24.0;
            marker = " +";
        } else if (set < 0.0) {
            set += 24.0;
        }
        if (set < ctx.now) marker = " +";
    } else {
        set = ctx.now - SiderealToClockHours(ctx.lst - siderealSet, ctx.isMoon);
        object.setLabel = "Last Set = ";
        if (set > 24.0) {
            set -= 24.0;
        } else if (set < 0.0) {
            set += 24.0;
        }
        if (set > ctx.now) marker = " -";
    }
    object.setText = RiseSetTimeText(set, marker);
}

void CalcTransit(CurrentObject& object, const Context& ctx) {
    double d = ctx.ra - ctx.lst;
    if (d < -12.0) {
        d += 24.0;
    } else if (d > 12.0) {
        d -= 24.0;
    }
    d *= ctx.isMoon ? kMoonClockRate : kSolarPerSidereal;
    object.transitLabel = d >= 0.0 ? "NextTransit = " : "LastTransit = ";
    double transit = ctx.now + d;
    const char* marker = "  ";
    if (transit >= 24.0) {
        transit -= 24.0;
        marker = " +";
    } else if (transit < 0.0) {
        transit += 24.0;
        marker = " -";
    }
    object.transitText = RiseSetTimeText(transit, marker);
}

}  // namespace

double SiderealToClockHours(double siderealHours, bool isMoon) {
    if (!isMoon) return siderealHours * kSolarPerSidereal;
    if (siderealHours >= 0.0) return siderealHours * kMoonClockRate;
    return (siderealHours + 24.0) * kMoonExcess + siderealHours;
}

std::string RiseSetTimeText(double hours, const char* marker) {
    double minutes = std::min(60.0 * (hours - Int(hours)), 59.0);
    return TwoDigits(static_cast<long>(Int(hours))) + ":" + FormatFixed(minutes, 2, 0) + marker;
}

void CalcRiseTransitSet(CurrentObject& object, double latitude, const ClockState& clock) {
    object.riseText.clear();
    object.transitText.clear();
    object.setText.clear();

    const Context ctx = MakeContext(object, clock);
    const double dec = DeclinationDegrees(object) / kDegreesPerRadian;
    const double polarDistance = kPi / 2.0 - dec;
    const double colatitude = kPi / 2.0 - latitude;

    // Circumpolar and never-rising objects, by geometry alone (no refraction).
    bool alwaysUp, neverRises;
    if (latitude >= 0.0) {
        alwaysUp = polarDistance < latitude;
        neverRises = !alwaysUp && kPi - latitude < polarDistance;
    } else {
        alwaysUp = polarDistance - latitude >= kPi;
        neverRises = !alwaysUp && polarDistance + latitude <= 0.0;
    }
    if (alwaysUp || neverRises) {
        object.riseLabel = "RiseTime = ";
        object.riseText = alwaysUp ? "Always Up" : "Never Rises";
        object.setLabel = "Sets At = ";
        object.setText = "Never";
        object.transitLabel = alwaysUp ? "TransitTime = " : "   ";
    }
    if (object.riseText.empty()) CalcRise(object, ctx, colatitude, polarDistance);
    if (object.riseText != "Never Rises") CalcTransit(object, ctx);
    if (object.setText.empty()) CalcSet(object, ctx, colatitude, polarDistance);
}

}  // namespace talvo
