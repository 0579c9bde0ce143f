#pragma once

#include <optional>

#include <QColor>
#include <QWidget>

namespace tarnveil {

/// A short text on a capsule: the region count of the list header, the severity badge of the
/// inspector. With a colour, the text is in that colour on the colour at opacity 0.2;
/// without, it is secondary text on a faint capsule.
class CapsuleLabel final : public QWidget {
    Q_OBJECT

public:
    explicit CapsuleLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    void setColor(std::optional<QColor> color);
    const std::optional<QColor>& color() const { return color_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    std::optional<QColor> color_;
};

} // namespace tarnveil
