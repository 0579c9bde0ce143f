#pragma once

#include <optional>

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QPalette>
#include <QPixmap>

namespace tarnveil {

/// An icon drawn in one colour: the shape of a base icon (an icon-theme icon or one of our
/// SVG files) filled with either a fixed colour or, when none is given, the application
/// palette's button-text colour at the time it is drawn, so icons follow a theme change by
/// themselves. Disabled icons are drawn faded. Pixmaps are made at the device pixel ratio
/// asked for and kept, so painting stays cheap.
class TintedIconEngine final : public QIconEngine {
public:
    TintedIconEngine(QIcon base, std::optional<QColor> color);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    QColor colorFor(QIcon::Mode mode) const;

    QIcon base_;
    std::optional<QColor> color_;
    QHash<QString, QPixmap> cache_;
};

} // namespace tarnveil
