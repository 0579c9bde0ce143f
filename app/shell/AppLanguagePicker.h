#pragma once

#include <QComboBox>

namespace tarnveil {

class InterfaceLanguage;

/// The "Language" picker: "System", then every language under its own name. Choosing an
/// entry stores it and switches the interface at once.
class AppLanguagePicker : public QComboBox {
    Q_OBJECT

public:
    explicit AppLanguagePicker(InterfaceLanguage& language, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showChoice();

    InterfaceLanguage& language_;
};

} // namespace tarnveil
