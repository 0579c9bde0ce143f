#pragma once

#include <QTimer>
#include <QWidget>

namespace tarnveil {

/// A small spinning arc shown while a scan runs. It ticks only while it is visible.
class BusyIndicator final : public QWidget {
    Q_OBJECT

public:
    explicit BusyIndicator(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer tick_;
    int angle_ = 0;
};

} // namespace tarnveil
