#include "window/ThemePalette.h"

namespace tarnveil::ThemePalette {

namespace {

struct Colours {
    QColor window;
    QColor base;
    QColor alternateBase;
    QColor text;
    QColor secondaryText;
    QColor button;
    QColor highlight;
    QColor highlightedText;
    QColor link;
    QColor border;
};

Colours coloursOf(AppTheme theme)
{
    switch (theme) {
    case AppTheme::daylight:
        return {QColor(0xec, 0xec, 0xee), QColor(0xff, 0xff, 0xff), QColor(0xf4, 0xf4, 0xf6), QColor(0x1c, 0x1c, 0x1e),
                QColor(0x6e, 0x6e, 0x73), QColor(0xf7, 0xf7, 0xf8), QColor(0x2f, 0x6f, 0xdf), QColor(0xff, 0xff, 0xff),
                QColor(0x1a, 0x62, 0xd6), QColor(0xc6, 0xc6, 0xcb)};
    case AppTheme::hacker:
        return {QColor(0x05, 0x0a, 0x06), QColor(0x00, 0x00, 0x00), QColor(0x06, 0x10, 0x08), QColor(0x33, 0xe6, 0x73),
                QColor(0x2a, 0x9a, 0x56), QColor(0x0b, 0x16, 0x0e), QColor(0x17, 0x5c, 0x32), QColor(0xe8, 0xff, 0xee),
                QColor(0x7d, 0xf5, 0xa6), QColor(0x17, 0x3d, 0x24)};
    case AppTheme::midnight:
        break;
    }
    return {QColor(0x19, 0x1a, 0x1f), QColor(0x11, 0x12, 0x16), QColor(0x1d, 0x1e, 0x24), QColor(0xe8, 0xe8, 0xea),
            QColor(0x8e, 0x90, 0x98), QColor(0x27, 0x29, 0x30), QColor(0x2f, 0x6f, 0xdf), QColor(0xff, 0xff, 0xff),
            QColor(0x6c, 0xa6, 0xff), QColor(0x33, 0x35, 0x3d)};
}

} // namespace

bool isDark(AppTheme theme)
{
    return theme != AppTheme::daylight;
}

QPalette of(AppTheme theme)
{
    const Colours c = coloursOf(theme);
    QPalette palette;
    palette.setColor(QPalette::Window, c.window);
    palette.setColor(QPalette::WindowText, c.text);
    palette.setColor(QPalette::Base, c.base);
    palette.setColor(QPalette::AlternateBase, c.alternateBase);
    palette.setColor(QPalette::Text, c.text);
    palette.setColor(QPalette::PlaceholderText, c.secondaryText);
    palette.setColor(QPalette::Button, c.button);
    palette.setColor(QPalette::ButtonText, c.text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, c.highlight);
    palette.setColor(QPalette::HighlightedText, c.highlightedText);
    palette.setColor(QPalette::Link, c.link);
    palette.setColor(QPalette::LinkVisited, c.link);
    palette.setColor(QPalette::ToolTipBase, c.button);
    palette.setColor(QPalette::ToolTipText, c.text);
    palette.setColor(QPalette::Mid, c.border);
    palette.setColor(QPalette::Midlight, c.button.lighter(isDark(theme) ? 130 : 103));
    palette.setColor(QPalette::Light, c.button.lighter(isDark(theme) ? 160 : 106));
    palette.setColor(QPalette::Dark, c.border.darker(140));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0, isDark(theme) ? 200 : 90));

    QColor disabledText = c.text;
    disabledText.setAlphaF(0.38f);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, c.border);
    return palette;
}

} // namespace tarnveil::ThemePalette
