#pragma once

#include <QAbstractButton>

namespace tarnveil {

/// A labelled on/off switch: the text on the left, the track with its knob on the right.
/// Clicking anywhere on it toggles; `toggled` follows from code as well, `clicked` only from
/// the user.
class ToggleSwitch final : public QAbstractButton {
    Q_OBJECT

public:
    explicit ToggleSwitch(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarnveil
