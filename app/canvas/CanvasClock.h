#pragma once

#include <functional>

namespace tarnveil {

/// Monotonic time in seconds. The canvas's animations read time only through a clock, so a
/// test can step time without waiting.
using CanvasClock = std::function<double()>;

/// Seconds since the first call, from the system's monotonic clock.
CanvasClock monotonicClock();

} // namespace tarnveil
