#include "editor/AppColors.h"

namespace tarnveil::AppColors {

QColor tvOrange()
{
    return QColor::fromRgbF(1.0f, 0.42f, 0.208f);
}

QColor tvGreen()
{
    return QColor::fromRgbF(0.2f, 0.9f, 0.45f);
}

QColor tvBurn()
{
    return QColor::fromRgbF(0.925f, 0.541f, 0.227f);
}

QColor tvBurnLight()
{
    return QColor::fromRgbF(0.949f, 0.706f, 0.514f);
}

QColor secretRed()
{
    return QColor::fromRgbF(1.0f, 0.3f, 0.2f);
}

QColor systemRed()
{
    return QColor(255, 59, 48);
}

QColor systemOrange()
{
    return QColor(255, 149, 0);
}

QColor systemGreen()
{
    return QColor(52, 199, 89);
}

QColor canvasBackground(AppTheme theme)
{
    switch (theme) {
    case AppTheme::daylight:
        return QColor::fromRgbF(0.945f, 0.945f, 0.955f);
    case AppTheme::hacker:
        return QColor(Qt::black);
    case AppTheme::midnight:
        break;
    }
    return QColor::fromRgbF(0.047f, 0.051f, 0.063f);
}

QColor promptColor(AppTheme theme)
{
    return theme == AppTheme::hacker ? tvGreen() : tvBurn();
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

} // namespace tarnveil::AppColors
