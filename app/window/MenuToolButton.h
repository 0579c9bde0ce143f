#pragma once

#include <QToolButton>

namespace tarnveil {

/// A toolbar button that opens its menu at once, with a small chevron after its text or
/// icon (the style's own menu arrow would sit on top of the text).
class MenuToolButton final : public QToolButton {
    Q_OBJECT

public:
    explicit MenuToolButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarnveil
