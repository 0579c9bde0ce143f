#pragma once

#include <optional>

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include "capture/FrozenScreen.h"

namespace tarnveil {

/// The content of one selector window: the frozen picture of its display, dimmed, on which the
/// user drags out a rectangle. The rectangle shows undimmed with an outline and its size in
/// points. A left-button release reports the rectangle in global coordinates; a right click or
/// Escape cancels.
class SelectorView final : public QWidget {
    Q_OBJECT

public:
    static constexpr double dimOpacity = 0.35;
    static constexpr double labelGap = 6;
    static constexpr double labelPaddingX = 5;
    static constexpr double labelPaddingY = 3;
    static constexpr double labelCornerRadius = 3;
    static constexpr double labelOpacity = 0.75;
    static constexpr int labelFontPixels = 11;

    explicit SelectorView(const FrozenScreen& screen, QWidget* parent = nullptr);

    /// The rectangle being dragged, in the view's coordinates; none outside a drag.
    std::optional<QRectF> selection() const;
    /// The size label's text for `rect`: its integer width and height, "W × H".
    static QString sizeText(const QRectF& rect);
    /// Where the text of the size label stands for the current drag (its background extends
    /// the padding around it); none outside a drag.
    std::optional<QRectF> sizeLabelRect() const;
    /// The outline's colour.
    static QColor outlineColor();

signals:
    void selected(const QRectF& globalRect);
    void cancelled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointF clamped(QPointF point) const;
    QFont labelFont() const;
    void clearDrag();

    QImage image_;
    QPointF screenOrigin_;
    std::optional<QPointF> anchor_;
    std::optional<QPointF> current_;
};

} // namespace tarnveil
