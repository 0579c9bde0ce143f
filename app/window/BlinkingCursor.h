#pragma once

#include <QWidget>

class QSequentialAnimationGroup;

namespace tarnveil {

/// The terminal cursor of the empty state: a filled 8 × 15 rectangle in tvOrange that fades
/// in and out continuously (0.55 s each way, ease-in-out) while it is shown. With reduced
/// motion it stays on.
class BlinkingCursor final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)

public:
    static constexpr int cursorWidth = 8;
    static constexpr int cursorHeight = 15;
    static constexpr int halfPeriodMilliseconds = 550;

    explicit BlinkingCursor(QWidget* parent = nullptr);

    /// Whether the cursor animates when shown; false keeps it on.
    void setAnimated(bool animated);
    bool isAnimated() const { return animated_; }
    /// Whether the fade is running now.
    bool isBlinking() const;

    qreal opacity() const { return opacity_; }
    void setOpacity(qreal opacity);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void startOrStop();

    bool animated_ = true;
    qreal opacity_ = 1.0;
    QSequentialAnimationGroup* blink_ = nullptr;
};

} // namespace tarnveil
