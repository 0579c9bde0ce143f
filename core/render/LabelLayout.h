#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QRect>
#include <QString>

namespace tarnveil {

/// How a label is fitted into a filled rectangle: at 72 % of the rectangle's height (at most
/// 240 and at least 8 pixels), shrunk to the rectangle's width less a 3-pixel inset on each
/// side, and, when it still does not fit at 8 pixels, cut grapheme by grapheme and ended
/// with "…". The text is centred on the rectangle by its typographic bounds.
struct LabelLayout {
    static constexpr double heightRatio = 0.72;
    static constexpr double maxSize = 240;
    static constexpr double minSize = 8;
    static constexpr double inset = 3;

    QString text;   ///< what to draw: the label, or its truncated form ending in "…"
    QFont font;     ///< the label font at the chosen size (pixels on `device`)
    double size = 0;
    double baselineX = 0; ///< the left end of the baseline
    double baselineY = 0; ///< the baseline, top-left origin

    /// The layout of `label` in `rect` on `device` (whose resolution turns the font size into
    /// pixels). Needs a QGuiApplication.
    static LabelLayout fit(const QString& label, const QRect& rect, const QPaintDevice* device);

    /// "DejaVu Sans Mono" when installed, otherwise the system's fixed-pitch font.
    static QFont labelFont(double size);
};

} // namespace tarnveil
