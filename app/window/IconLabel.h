#pragma once

#include <QIcon>
#include <QWidget>

namespace tarnveil {

/// An icon of a fixed size, drawn on every paint so a tinted icon follows the theme.
class IconLabel final : public QWidget {
    Q_OBJECT

public:
    IconLabel(const QIcon& icon, int side, QWidget* parent = nullptr);

    void setIcon(const QIcon& icon);
    const QIcon& icon() const { return icon_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon icon_;
};

} // namespace tarnveil
