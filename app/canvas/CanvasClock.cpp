#include "canvas/CanvasClock.h"

#include <QElapsedTimer>

namespace tarnveil {

CanvasClock monotonicClock()
{
    return [] {
        static const QElapsedTimer started = [] {
            QElapsedTimer timer;
            timer.start();
            return timer;
        }();
        return static_cast<double>(started.nsecsElapsed()) / 1e9;
    };
}

} // namespace tarnveil
