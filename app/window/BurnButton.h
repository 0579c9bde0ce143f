#pragma once

#include <QAbstractButton>
#include <QIcon>

namespace tarnveil {

/// The toolbar's "BURN" button: a pill in the burn colours with a soft glow around it and
/// the flame icon before its text.
class BurnButton final : public QAbstractButton {
    Q_OBJECT

public:
    explicit BurnButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QFont labelFont() const;

    QIcon disabledIcon_;
    bool hovered_ = false;
};

} // namespace tarnveil
