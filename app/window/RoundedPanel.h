#pragma once

#include <optional>

#include <QColor>
#include <QWidget>

namespace tarnveil {

/// A rounded, outlined panel to lay other widgets on: the inspector's sections, the empty
/// state's terminal. Without colours of its own it uses the palette (alternate base, mid).
class RoundedPanel final : public QWidget {
    Q_OBJECT

public:
    explicit RoundedPanel(qreal radius, QWidget* parent = nullptr);

    void setColors(std::optional<QColor> fill, std::optional<QColor> border);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal radius_;
    std::optional<QColor> fill_;
    std::optional<QColor> border_;
};

} // namespace tarnveil
