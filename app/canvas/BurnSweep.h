#pragma once

namespace tarnveil {

/// The burn sweep before an export: a front moving across the image from left to right,
/// fast at first and slowing down towards the end.
class BurnSweep {
public:
    /// The sweep of a normal export, in seconds.
    static constexpr double defaultDuration = 0.95;
    /// The exponent of the ease-out curve 1 − (1 − t)^k.
    static constexpr double easeExponent = 2.2;
    /// How long the fully burned picture stays after the sweep, before it fades out.
    static constexpr double linger = 0.5;

    BurnSweep(double start, double duration) : start_(start), duration_(duration) {}

    /// The front's position as a fraction of the image width at `now`, 0 to 1.
    double progress(double now) const;
    bool finished(double now) const;

private:
    double fraction(double now) const;

    double start_;
    double duration_;
};

} // namespace tarnveil
