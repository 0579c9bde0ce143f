#include "render/LabelLayout.h"

#include <algorithm>
#include <vector>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace tarnveil {

namespace {

constexpr char16_t ellipsis = u'\u2026';

double width(const QString& text, double size, const QPaintDevice* device)
{
    return QFontMetricsF(LabelLayout::labelFont(size), device).horizontalAdvance(text);
}

/// The positions that end each grapheme cluster of `text`, in order.
std::vector<qsizetype> graphemeEnds(const QString& text)
{
    std::vector<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        ends.push_back(end);
    }
    return ends;
}

/// The label cut to its longest prefix of at least two graphemes that fits at the smallest
/// size together with "…"; a single grapheme when none does. Dropping the last grapheme one
/// at a time until the rest fits gives the same prefix: the label font has no kerning, so the
/// width only grows with the prefix, and a binary search finds it without measuring every
/// prefix of a long label.
QString truncated(const QString& label, double maxWidth, const QPaintDevice* device)
{
    const auto ends = graphemeEnds(label);
    const auto fits = [&](std::size_t graphemes) {
        return width(label.left(ends[graphemes - 1]) + ellipsis, LabelLayout::minSize, device) <= maxWidth;
    };
    if (ends.size() < 2) {
        return label;
    }
    std::size_t low = 2;
    std::size_t high = ends.size();
    if (!fits(low)) {
        return label.left(ends[0]);
    }
    while (low < high) { // invariant: fits(low)
        const std::size_t middle = low + (high - low + 1) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return label.left(ends[low - 1]);
}

} // namespace

QFont LabelLayout::labelFont(double size)
{
    static const QString family = [] {
        const QString wanted = QStringLiteral("DejaVu Sans Mono");
        if (QFontDatabase::families().contains(wanted)) {
            return wanted;
        }
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }();
    QFont font(family);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(size);
    // Unhinted outlines keep the advance widths proportional to the size, so the measured
    // width at one size predicts the width at another.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

LabelLayout LabelLayout::fit(const QString& label, const QRect& rect, const QPaintDevice* device)
{
    const double maxWidth = std::max(rect.width() - 2 * inset, 1.0);
    double size = std::max(std::min(rect.height() * heightRatio, maxSize), minSize);
    const double measured = width(label, size, device);
    if (measured > maxWidth) {
        size = std::max(maxWidth * size / measured, minSize);
    }
    QString text = label;
    if (width(label, size, device) > maxWidth) {
        const QString shortened = truncated(label, maxWidth, device);
        size = minSize;
        text = shortened == label ? label : shortened + ellipsis;
    }

    LabelLayout layout;
    layout.text = text;
    layout.font = labelFont(size);
    layout.size = size;
    const QFontMetricsF metrics(layout.font, device);
    const double lineWidth = metrics.horizontalAdvance(text);
    const QRectF bounds(rect);
    layout.baselineX = bounds.center().x() - lineWidth / 2;
    layout.baselineY = bounds.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    return layout;
}

} // namespace tarnveil
