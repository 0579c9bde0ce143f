#pragma once

#include <QWidget>

#include "editor/AppTheme.h"

class QLabel;

namespace tarnveil {

class BlinkingCursor;
class RoundedPanel;

/// The canvas area without an image: a small terminal-like panel with the word mark
/// "tarnveil", the prompt "> awaiting input" with a blinking cursor, and how to bring in a
/// screenshot.
class EmptyStateView final : public QWidget {
    Q_OBJECT

public:
    explicit EmptyStateView(QWidget* parent = nullptr);

    void setTheme(AppTheme theme);
    /// With reduced motion the cursor stays on.
    void setReduceMotion(bool reduced);

    BlinkingCursor* cursor() const { return cursor_; }
    QLabel* wordMark() const { return wordMark_; }
    QString promptText() const;
    QString hintText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void applyColours();

    AppTheme theme_ = AppTheme::midnight;
    RoundedPanel* panel_ = nullptr;
    QLabel* wordMark_ = nullptr;
    QLabel* promptSign_ = nullptr;
    QLabel* prompt_ = nullptr;
    BlinkingCursor* cursor_ = nullptr;
    QLabel* hint_ = nullptr;
};

} // namespace tarnveil
