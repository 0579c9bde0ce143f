#pragma once

#include <QAbstractButton>

namespace tarnveil {

/// One segment of a segmented picker: a checkable button drawn as its part of a joined row
/// (rounded on the outer ends only).
class SegmentButton final : public QAbstractButton {
    Q_OBJECT

public:
    enum class Position { first, middle, last, only };

    SegmentButton(const QString& text, Position position, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Position position_;
};

} // namespace tarnveil
