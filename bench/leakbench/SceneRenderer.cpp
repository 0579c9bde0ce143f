#include "SceneRenderer.h"

#include <algorithm>
#include <array>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarnveil::leakbench {

namespace {

// Sub-pixel smoothing spreads each third of a pixel over its neighbours (weights 1 2 3 2 1,
// out of 9), as LCD filters do to keep the fringes from getting too strong.
constexpr std::array<int, 5> stripeFilter{1, 2, 3, 2, 1};
constexpr int stripeFilterSum = 9;

int channel(QRgb pixel, int index)
{
    return index == 0 ? qRed(pixel) : index == 1 ? qGreen(pixel) : qBlue(pixel);
}

} // namespace

SceneRenderer::SceneRenderer(const FontSet& fonts, const Theme& theme, Rendering rendering)
    : fonts_(fonts), theme_(theme), rendering_(rendering)
{
}

QImage SceneRenderer::render(const Scene& scene) const
{
    return renderRows(scene, 0, scene.height, -1);
}

QImage SceneRenderer::renderRows(const Scene& scene, int top, int bottom, int skipItem) const
{
    const int stretch = rendering_ == Rendering::subpixelRgb ? 3 : 1;
    QImage image(scene.width * stretch, bottom - top, QImage::Format_RGB32);
    image.fill(theme_.color(ColorRole::background));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(stretch, 1);
        painter.translate(0, -top);
        draw(painter, scene, top, bottom, skipItem);
    }
    return stretch == 1 ? image : stripeResample(image, scene.width);
}

void SceneRenderer::draw(QPainter& painter, const Scene& scene, int top, int bottom, int skipItem) const
{
    for (const auto& decoration : scene.decorations) {
        drawDecoration(painter, decoration);
    }
    // Lines far outside the rows cannot reach them; their bands already include a margin.
    painter.setBrush(Qt::NoBrush);
    for (const auto& line : scene.lines) {
        if (line.bandBottom < top || line.bandTop >= bottom) {
            continue;
        }
        for (const auto& segment : line.segments) {
            if (skipItem >= 0 && segment.item == skipItem) {
                continue;
            }
            painter.setFont(fonts_.font(segment.font));
            painter.setPen(theme_.color(segment.color));
            painter.drawText(segment.origin, QString::fromStdString(segment.text));
        }
    }
}

void SceneRenderer::drawDecoration(QPainter& painter, const Decoration& decoration) const
{
    const QColor color = theme_.color(decoration.color);
    const QRectF& rect = decoration.rect;
    switch (decoration.shape) {
    case Decoration::Shape::fill:
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        if (decoration.radius > 0) {
            painter.drawRoundedRect(rect, decoration.radius, decoration.radius);
        } else {
            painter.drawRect(rect);
        }
        return;
    case Decoration::Shape::outline: {
        painter.setPen(QPen(color, decoration.stroke));
        painter.setBrush(Qt::NoBrush);
        const double half = decoration.stroke / 2;
        const QRectF inside = rect.adjusted(half, half, -half, -half);
        if (decoration.radius > 0) {
            painter.drawRoundedRect(inside, decoration.radius, decoration.radius);
        } else {
            painter.drawRect(inside);
        }
        return;
    }
    case Decoration::Shape::cross:
        painter.setPen(QPen(color, decoration.stroke));
        painter.drawLine(rect.topLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomLeft());
        return;
    case Decoration::Shape::avatar: {
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
        gradient.setColorAt(0, decoration.top);
        gradient.setColorAt(1, decoration.bottom);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawEllipse(rect);
        if (decoration.silhouette) {
            // Head and shoulders in a lighter tone, cut to the circle like a profile photo.
            QPainterPath circle;
            circle.addEllipse(rect);
            painter.save();
            painter.setClipPath(circle);
            painter.setBrush(decoration.top.lighter(150));
            const double d = rect.width();
            painter.drawEllipse(QRectF(rect.left() + 0.32 * d, rect.top() + 0.16 * d, 0.36 * d, 0.4 * d));
            painter.drawEllipse(QRectF(rect.left() + 0.12 * d, rect.top() + 0.62 * d, 0.76 * d, 0.7 * d));
            painter.restore();
        }
        return;
    }
    }
}

QImage SceneRenderer::stripeResample(const QImage& wide, int width)
{
    QImage image(width, wide.height(), QImage::Format_RGB32);
    const int wideWidth = wide.width();
    for (int y = 0; y < wide.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(wide.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            std::array<int, 3> values{};
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int k = 0; k < static_cast<int>(stripeFilter.size()); ++k) {
                    const int column = std::clamp(3 * x + c + k - 2, 0, wideWidth - 1);
                    sum += stripeFilter[static_cast<std::size_t>(k)] * channel(source[column], c);
                }
                values[static_cast<std::size_t>(c)] = (sum + stripeFilterSum / 2) / stripeFilterSum;
            }
            target[x] = qRgb(values[0], values[1], values[2]);
        }
    }
    return image;
}

} // namespace tarnveil::leakbench
