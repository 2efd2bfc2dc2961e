// The simulated mount: where it points and how it slews, as a function of time. Time is seconds
// on the simulator's steady clock (any origin); the mount never reads a clock itself.
#pragma once

#include <string>

namespace talvo::sim {

// A direction on the sky: right ascension in hours [0, 24), declination in degrees [-90, +90],
// north positive.
struct Pointing {
    double raHours = 0.0;
    double decDegrees = 90.0;
};

// The pointing with right ascension taken into [0, 24) and a declination beyond a pole folded
// back over it (100 degrees is 80 degrees on the far side, 12 hours away); declinations in
// (180, 360] count as negative (what 16-bit angles send for the south).
Pointing NormalizePointing(double raHours, double decDegrees);

// "00h42m44s +41°16'" (UTF-8), rounded to whole seconds of time and whole minutes of arc.
std::string DescribePointing(const Pointing& pointing);

class Mount {
public:
    // `slewRate` in degrees a second on each axis, greater than 0.
    Mount(const Pointing& start, double slewRate);

    // Starts a slew from where the mount points at `now` to `target`. Each axis moves at the
    // slew rate, right ascension (15 degrees an hour) the short way round; the slew ends when
    // the slower axis arrives, exactly on the target.
    void GoTo(const Pointing& target, double now);
    // Ends a slew where the mount points at `now`.
    void Stop(double now);

    [[nodiscard]] Pointing PointingAt(double now) const;
    [[nodiscard]] bool IsSlewing(double now) const;
    // When the current or last slew ends (or ended); the start time of the mount before any.
    [[nodiscard]] double ArrivalTime() const { return arrival_; }
    [[nodiscard]] const Pointing& Target() const { return target_; }
    // How many slews have been started, so that an observer can tell a new one from the last.
    [[nodiscard]] int SlewCount() const { return slewCount_; }

private:
    Pointing from_;           // where the slew started
    Pointing target_;         // where it ends
    double raTravel_ = 0.0;   // degrees of right ascension to cover, signed, |x| <= 180
    double decTravel_ = 0.0;  // degrees of declination to cover, signed
    double start_ = 0.0;      // seconds, when the slew started
    double arrival_ = 0.0;    // seconds, when it ends
    double rate_;             // degrees a second
    int slewCount_ = 0;
};

}  // namespace talvo::sim
