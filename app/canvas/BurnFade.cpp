#include "canvas/BurnFade.h"

#include <algorithm>

namespace tarnveil {

double BurnFade::fraction(double now) const
{
    return std::clamp((now - start_) / duration, 0.0, 1.0);
}

double BurnFade::value(double now) const
{
    const double t = fraction(now);
    if (t >= 1) {
        return target_;
    }
    return from_ + (target_ - from_) * t;
}

} // namespace tarnveil
