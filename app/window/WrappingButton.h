#pragma once

#include <QPushButton>

class QLabel;

namespace tarnveil {

/// A push button whose text wraps onto further lines instead of running past its edges, for
/// texts whose length depends on the language and on a value shown in them. text() holds the
/// whole text, as for any button, and is its accessible name.
class WrappingButton final : public QPushButton {
    Q_OBJECT

public:
    explicit WrappingButton(QWidget* parent = nullptr);

    void setWrappedText(const QString& text);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    QLabel* label_ = nullptr;
};

} // namespace tarnveil
