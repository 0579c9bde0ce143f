#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace tarnveil {

/// A titled group of the inspector form: a small heading above a rounded panel.
class FormSection final : public QWidget {
    Q_OBJECT

public:
    explicit FormSection(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    /// The panel's layout, for the section's rows.
    QVBoxLayout* body() const { return body_; }

private:
    QLabel* heading_ = nullptr;
    QVBoxLayout* body_ = nullptr;
};

} // namespace tarnveil
