#include "canvas/BurnSweep.h"

#include <algorithm>
#include <cmath>

namespace tarnveil {

double BurnSweep::fraction(double now) const
{
    if (!(duration_ > 0)) {
        return 1;
    }
    return std::clamp((now - start_) / duration_, 0.0, 1.0);
}

double BurnSweep::progress(double now) const
{
    return 1 - std::pow(1 - fraction(now), easeExponent);
}

bool BurnSweep::finished(double now) const
{
    return fraction(now) >= 1;
}

} // namespace tarnveil
