#pragma once

#include <QAbstractButton>

namespace tarnveil {

/// A button that looks like a link: its text in the palette's link colour, no frame.
class LinkButton final : public QAbstractButton {
    Q_OBJECT

public:
    explicit LinkButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarnveil
