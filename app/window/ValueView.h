#pragma once

#include <QTextEdit>

namespace tarnveil {

/// A matched value in monospaced, selectable text that wraps anywhere (values are long
/// unbroken tokens) and grows with its text up to a few lines, then scrolls.
class ValueView final : public QTextEdit {
    Q_OBJECT

public:
    explicit ValueView(QWidget* parent = nullptr);

    void setValue(const QString& value);
    QString value() const { return toPlainText(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitHeight();
};

} // namespace tarnveil
