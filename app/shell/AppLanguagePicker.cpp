#include "shell/AppLanguagePicker.h"

#include <QEvent>

#include "shell/InterfaceLanguage.h"

namespace tarnveil {

AppLanguagePicker::AppLanguagePicker(InterfaceLanguage& language, QWidget* parent)
    : QComboBox(parent), language_(language)
{
    setObjectName(QStringLiteral("languagePicker"));
    for (const AppLanguage member : allAppLanguages) {
        addItem(pickerTitle(member), identifier(member));
    }
    showChoice();
    connect(this, &QComboBox::activated, this, [this](int index) {
        // Posted: switching re-labels every widget, this one included, while it still
        // handles the click.
        const AppLanguage chosen = appLanguageFromIdentifier(itemData(index).toString());
        QMetaObject::invokeMethod(
            this, [this, chosen] { language_.setChoice(chosen); }, Qt::QueuedConnection);
    });
    connect(&language_, &InterfaceLanguage::choiceChanged, this, &AppLanguagePicker::showChoice);
}

void AppLanguagePicker::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Only "System" is translated; the languages keep their own names.
        setItemText(0, pickerTitle(AppLanguage::system));
    }
    QComboBox::changeEvent(event);
}

void AppLanguagePicker::showChoice()
{
    setCurrentIndex(findData(identifier(language_.choice())));
}

} // namespace tarnveil
