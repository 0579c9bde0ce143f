#include "canvas/CanvasColors.h"

namespace tarnveil::CanvasColors {

QColor burn()
{
    return QColor::fromRgbF(0.925f, 0.541f, 0.227f);
}

QColor burnLight()
{
    return QColor::fromRgbF(0.949f, 0.706f, 0.514f);
}

QColor protectedGreen()
{
    return QColor(52, 199, 89);
}

QColor background(AppTheme theme)
{
    switch (theme) {
    case AppTheme::midnight:
        return QColor::fromRgbF(0.047f, 0.051f, 0.063f);
    case AppTheme::daylight:
        return QColor::fromRgbF(0.945f, 0.945f, 0.955f);
    case AppTheme::hacker:
        return QColor(Qt::black);
    }
    return QColor(Qt::black);
}

QColor withOpacity(QColor color, double opacity)
{
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}

} // namespace tarnveil::CanvasColors
