#pragma once

#include <QWidget>

#include "editor/AppTheme.h"

class QLabel;

namespace tarnveil {

class BusyIndicator;
class EditorModel;
class ElidedLabel;

/// The line under the canvas area: a ">" prompt, a small spinner while a scan runs, the
/// editor model's status on one line, and the canvas keys while an image is loaded.
class StatusBarView final : public QWidget {
    Q_OBJECT

public:
    explicit StatusBarView(EditorModel& model, QWidget* parent = nullptr);

    QString statusText() const;
    QString keyHint() const;
    bool showsKeyHint() const;
    bool showsBusyIndicator() const;
    QColor promptColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refreshStatus();
    void refreshProcessing();
    void refreshImage();
    void refreshTheme();

    EditorModel& model_;
    QLabel* prompt_ = nullptr;
    BusyIndicator* busy_ = nullptr;
    ElidedLabel* status_ = nullptr;
    QLabel* keys_ = nullptr;
};

} // namespace tarnveil
