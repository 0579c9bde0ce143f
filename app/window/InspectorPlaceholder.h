#pragma once

#include <QWidget>

class QLabel;

namespace tarnveil {

class IconLabel;

/// The inspector without exactly one region: an icon, a title and a caption, centred.
class InspectorPlaceholder final : public QWidget {
    Q_OBJECT

public:
    InspectorPlaceholder(const char* symbol, QWidget* parent = nullptr);

    void setTexts(const QString& title, const QString& caption);
    QString title() const;
    QString caption() const;

private:
    QLabel* title_ = nullptr;
    QLabel* caption_ = nullptr;
};

} // namespace tarnveil
