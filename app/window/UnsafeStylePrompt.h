#pragma once

#include <QAbstractButton>
#include <QMessageBox>
#include <QObject>
#include <QPointer>

namespace tarnveil {

class EditorModel;

/// The question before a reversible style is applied to a secret. While the editor model has
/// a waiting style, a window-modal message box asks; "Apply Anyway" confirms the style,
/// "Cancel" (also Escape or closing the box) drops it. The box is opened without a nested
/// event loop, so the window keeps running and tests can answer it.
class UnsafeStylePrompt final : public QObject {
    Q_OBJECT

public:
    UnsafeStylePrompt(EditorModel& model, QWidget* window);

    /// The open question, or null.
    QMessageBox* dialog() const { return dialog_; }
    QAbstractButton* applyButton() const;
    QAbstractButton* cancelButton() const;

private:
    void sync();
    void open();
    void answered(QAbstractButton* button);

    EditorModel& model_;
    QWidget* window_;
    QPointer<QMessageBox> dialog_;
    QPointer<QAbstractButton> apply_;
    QPointer<QAbstractButton> cancel_;
};

} // namespace tarnveil
