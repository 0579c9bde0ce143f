#pragma once

#include <QWidget>

namespace tarnveil {

/// One line of text that never widens its layout: what does not fit ends in "…" (or is cut
/// in the middle), and the whole text is the tooltip and the accessible name.
class ElidedLabel final : public QWidget {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    void setElideMode(Qt::TextElideMode mode);
    /// The text as drawn at the current width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Qt::TextElideMode mode_ = Qt::ElideRight;
};

} // namespace tarnveil
