#pragma once

namespace tarnveil {

/// The cross-fade of the burned preview: its opacity moves linearly from where it stood to
/// 0 or 1 over `duration` seconds.
class BurnFade {
public:
    static constexpr double duration = 0.15;

    /// A fade from `from` to `target` starting at `start` (seconds).
    BurnFade(double from, double target, double start) : from_(from), target_(target), start_(start) {}

    /// The opacity at `now`.
    double value(double now) const;
    bool finished(double now) const { return fraction(now) >= 1; }
    double target() const { return target_; }

private:
    double fraction(double now) const;

    double from_;
    double target_;
    double start_;
};

} // namespace tarnveil
