#include "window/TintedIconEngine.h"

#include <cmath>

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>

namespace tarnveil {

namespace {

constexpr qsizetype maxCachedPixmaps = 16;

} // namespace

TintedIconEngine::TintedIconEngine(QIcon base, std::optional<QColor> color) : base_(std::move(base)), color_(color) {}

QColor TintedIconEngine::colorFor(QIcon::Mode mode) const
{
    QColor color = color_.value_or(QGuiApplication::palette().color(QPalette::Active, QPalette::ButtonText));
    if (mode == QIcon::Disabled) {
        color.setAlphaF(color.alphaF() * 0.35f);
    } else if (mode == QIcon::Selected && !color_) {
        color = QGuiApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
    }
    return color;
}

void TintedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
}

QPixmap TintedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap TintedIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    const QColor color = colorFor(mode);
    const QString cacheKey = QStringLiteral("%1x%2@%3:%4:%5")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(scale)
                                 .arg(color.rgba())
                                 .arg(int(state));
    if (const auto found = cache_.constFind(cacheKey); found != cache_.constEnd()) {
        return *found;
    }
    QPixmap shape = base_.pixmap(size, scale, QIcon::Normal, state);
    if (shape.isNull()) {
        return shape;
    }
    QPixmap tinted(shape.size());
    tinted.setDevicePixelRatio(shape.devicePixelRatio());
    tinted.fill(Qt::transparent);
    {
        QPainter painter(&tinted);
        painter.drawPixmap(0, 0, shape);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRect(QPoint(0, 0), shape.size()), color);
    }
    if (cache_.size() >= maxCachedPixmaps) {
        cache_.clear();
    }
    cache_.insert(cacheKey, tinted);
    return tinted;
}

QSize TintedIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    // SVG icons scale to any size; theme icons may only come in fixed sizes.
    const QSize actual = base_.actualSize(size, mode, state);
    return actual.isValid() ? actual : size;
}

QIconEngine* TintedIconEngine::clone() const
{
    return new TintedIconEngine(base_, color_);
}

QString TintedIconEngine::key() const
{
    return QStringLiteral("TintedIconEngine");
}

bool TintedIconEngine::isNull()
{
    return base_.isNull();
}

} // namespace tarnveil
