#include "render/RedactionEngine.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "ocr/Geometry.h"
#include "render/LabelLayout.h"

namespace tarnveil {

namespace {

/// 72 dots per inch, so that a font's point size is its size in pixels of the bitmap.
constexpr int dotsPerMeterAt72Dpi = 2835;

/// `rect` rounded outward to whole pixels and cut to the image; none when nothing of at
/// least one pixel is left. Works in doubles until the result is known to fit the image, so
/// huge coordinates cannot overflow.
std::optional<QRect> pixelBox(const Rect& rect, int imageWidth, int imageHeight)
{
    if (!rect.isFinite()) {
        return std::nullopt;
    }
    const auto clipped = Geometry::intersection(Geometry::outwardRounded(rect),
                                                Rect{0, 0, double(imageWidth), double(imageHeight)});
    if (!clipped || clipped->width < 1 || clipped->height < 1) {
        return std::nullopt;
    }
    return QRect(int(clipped->x), int(clipped->y), int(clipped->width), int(clipped->height));
}

QColor qColor(const RGBColor& color)
{
    return QColor::fromRgbF(float(color.red), float(color.green), float(color.blue), float(color.alpha));
}

/// Pixels of an RGB32 image as a matrix sharing its memory.
cv::Mat matrix(QImage& image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC4, image.bits(), std::size_t(image.bytesPerLine()));
}

/// The patch blurred with a Gaussian of the blur radius; edges repeat the patch's own border
/// pixels, so nothing outside the region enters the result.
QImage blurred(QImage patch)
{
    QImage out(patch.size(), QImage::Format_RGB32);
    if (out.isNull()) {
        return {};
    }
    cv::Mat source = matrix(patch);
    cv::Mat target = matrix(out);
    const double sigma = RedactionStyle::blurRadius;
    cv::GaussianBlur(source, target, cv::Size(0, 0), sigma, sigma, cv::BORDER_REPLICATE);
    return out;
}

/// The patch cut into square cells of the pixellation size, each filled with the mean colour
/// of its pixels. The cell grid is anchored at the patch's centre (a cell corner sits on it),
/// so the cells are laid out symmetrically from the middle; edge cells are cut by the patch.
QImage pixelated(QImage patch)
{
    cv::Mat pixels = matrix(patch);
    const int cell = RedactionStyle::pixelateCell;
    const auto firstEdge = [cell](int length) {
        const int offset = (length / 2) % cell;
        return offset == 0 ? 0 : offset - cell;
    };
    for (int top = firstEdge(patch.height()); top < patch.height(); top += cell) {
        const int y0 = std::max(top, 0);
        const int y1 = std::min(top + cell, patch.height());
        for (int left = firstEdge(patch.width()); left < patch.width(); left += cell) {
            const int x0 = std::max(left, 0);
            const int x1 = std::min(left + cell, patch.width());
            cv::Mat block = pixels(cv::Range(y0, y1), cv::Range(x0, x1));
            block.setTo(cv::mean(block));
        }
    }
    return patch;
}

/// Restricts drawing to `area` less every protected rectangle: each protected rectangle that
/// meets the area is cut out with an even-odd clip of the area and the rectangle.
void applyClip(QPainter& painter, const QRect& area, const std::vector<QRect>& excluding)
{
    painter.setClipRect(area);
    for (const QRect& shielded : excluding) {
        const QRect overlap = shielded.intersected(area);
        if (overlap.isEmpty()) {
            continue;
        }
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addRect(area);
        path.addRect(overlap);
        painter.setClipPath(path, Qt::IntersectClip);
    }
}

void drawLabel(QPainter& painter, const QString& label, const QRect& rect, FillColor fill)
{
    const LabelLayout layout = LabelLayout::fit(label, rect, painter.device());
    painter.setFont(layout.font);
    painter.setPen(qColor(labelColor(fill)));
    painter.drawText(QPointF(layout.baselineX, layout.baselineY), layout.text);
}

/// True when the label of `labelled[index]` would be drawn over another label: its box lies
/// inside another labelled box, or shares it with an earlier one. The outer (or earlier) label
/// stands.
bool labelIsCovered(const std::vector<std::pair<const RedactionRegion*, QRect>>& labelled, std::size_t index)
{
    const QRect& box = labelled[index].second;
    for (std::size_t other = 0; other < labelled.size(); ++other) {
        const QRect& outer = labelled[other].second;
        if (other == index || !outer.contains(box)) {
            continue;
        }
        if (outer != box || other < index) {
            return true;
        }
    }
    return false;
}

/// The transformed patch for a blur or pixelate region, or a null image when it cannot be
/// made (the caller then fills the region black).
QImage transformedPatch(const QImage& base, const QRect& box, RedactionStyle::Kind kind)
{
    QImage patch = base.copy(box);
    if (patch.isNull() || patch.format() != QImage::Format_RGB32) {
        return {};
    }
    try {
        return kind == RedactionStyle::Kind::blur ? blurred(std::move(patch)) : pixelated(std::move(patch));
    } catch (const cv::Exception&) {
        return {};
    }
}

} // namespace

std::optional<QImage> RedactionEngine::burn(const QImage& source, const std::vector<RedactionRegion>& regions) const
{
    if (source.isNull()) {
        return std::nullopt;
    }
    const int width = source.width();
    const int height = source.height();

    // The opaque copy. A source with alpha is composed over black, so transparency cannot
    // carry the colour a transparent pixel happened to hold; an opaque one is converted as it
    // is (no copy at all when it is RGB32 already).
    QImage base;
    if (source.hasAlphaChannel()) {
        base = QImage(width, height, QImage::Format_RGB32);
        if (base.isNull()) {
            return std::nullopt;
        }
        base.fill(Qt::black);
        QPainter painter(&base);
        painter.drawImage(QRect(0, 0, width, height), source);
    } else {
        base = source.convertToFormat(QImage::Format_RGB32);
    }
    // Patches are cut from `base`, which stays as it is; the regions are drawn into `output`.
    QImage output = base.copy();
    if (base.isNull() || output.isNull()) {
        return std::nullopt;
    }
    output.setDotsPerMeterX(dotsPerMeterAt72Dpi);
    output.setDotsPerMeterY(dotsPerMeterAt72Dpi);

    std::vector<QRect> shielded;
    for (const auto& region : regions) {
        if (region.isProtected) {
            if (const auto box = pixelBox(region.rect, width, height)) {
                shielded.push_back(*box);
            }
        }
    }

    std::vector<const RedactionRegion*> order;
    for (const bool reversible : {true, false}) {
        for (const auto& region : regions) {
            if (!region.isProtected && region.style.isReversible() == reversible) {
                order.push_back(&region);
            }
        }
    }

    const bool canWrite = qGuiApp != nullptr;
    QPainter painter(&output);
    // Every fill first, then the labels, so that no fill is drawn over a label.
    std::vector<std::pair<const RedactionRegion*, QRect>> labelled;
    for (const RedactionRegion* region : order) {
        const auto target = pixelBox(region->rect, width, height);
        if (!target) {
            continue;
        }
        painter.save();
        applyClip(painter, *target, shielded);
        const auto kind = region->style.kind();
        switch (kind) {
        case RedactionStyle::Kind::solid:
        case RedactionStyle::Kind::labeled: {
            const FillColor fill = region->style.fill().value_or(FillColor::black);
            painter.fillRect(*target, qColor(color(fill)));
            if (kind == RedactionStyle::Kind::labeled && canWrite && region->label && !region->label->empty()) {
                labelled.emplace_back(region, *target);
            }
            break;
        }
        case RedactionStyle::Kind::blur:
        case RedactionStyle::Kind::pixelate: {
            const QImage patch = transformedPatch(base, *target, kind);
            if (patch.isNull()) {
                painter.fillRect(*target, Qt::black);
            } else {
                painter.drawImage(target->topLeft(), patch);
            }
            break;
        }
        }
        painter.restore();
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t index = 0; index < labelled.size(); ++index) {
        const auto& [region, target] = labelled[index];
        if (labelIsCovered(labelled, index)) {
            continue;
        }
        painter.save();
        applyClip(painter, target, shielded);
        drawLabel(painter, QString::fromStdString(*region->label), target,
                  region->style.fill().value_or(FillColor::black));
        painter.restore();
    }
    painter.end();
    return output;
}

} // namespace tarnveil
