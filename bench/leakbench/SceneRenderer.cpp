#include "SceneRenderer.h"

#include <QPainter>

namespace tarnveil::leakbench {

SceneRenderer::SceneRenderer(const FontSet& fonts, const Theme& theme) : fonts_(fonts), theme_(theme) {}

QImage SceneRenderer::render(const Scene& scene) const
{
    return renderRows(scene, 0, scene.height, -1);
}

QImage SceneRenderer::renderRows(const Scene& scene, int top, int bottom, int skipItem) const
{
    QImage image(scene.width, bottom - top, QImage::Format_RGB32);
    image.fill(theme_.color(ColorRole::background));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(0, -top);
    painter.setPen(Qt::NoPen);
    for (const auto& decoration : scene.decorations) {
        painter.setBrush(theme_.color(decoration.color));
        if (decoration.radius > 0) {
            painter.drawRoundedRect(decoration.rect, decoration.radius, decoration.radius);
        } else {
            painter.drawRect(decoration.rect);
        }
    }
    // Lines far outside the rows cannot reach them; their bands already include a margin.
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
    return image;
}

} // namespace tarnveil::leakbench
