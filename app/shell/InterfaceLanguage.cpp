#include "shell/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace tarnveil {

namespace {

/// The locale a member stands for; `system` stands for the system's own.
QLocale localeOf(AppLanguage language)
{
    if (language == AppLanguage::system) {
        return QLocale::system();
    }
    return QLocale(identifier(language));
}

} // namespace

InterfaceLanguage::InterfaceLanguage(QObject* parent) : QObject(parent)
{
    choice_ = appLanguageFromIdentifier(QSettings().value(QLatin1String(settingKey)).toString());
    apply();
    // The system's language setting can change while the application runs.
    QCoreApplication::instance()->installEventFilter(this);
}

InterfaceLanguage::~InterfaceLanguage()
{
    removeCatalogues();
}

void InterfaceLanguage::setChoice(AppLanguage language)
{
    QSettings().setValue(QLatin1String(settingKey), identifier(language));
    if (language == choice_) {
        return;
    }
    choice_ = language;
    apply();
    emit choiceChanged();
}

bool InterfaceLanguage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LocaleChange
        && choice_ == AppLanguage::system) {
        apply();
    }
    return QObject::eventFilter(watched, event);
}

void InterfaceLanguage::apply()
{
    const QLocale locale = localeOf(choice_);
    shown_ = choice_ == AppLanguage::system ? appLanguageForLocale(locale) : choice_;
    QLocale::setDefault(locale);
    removeCatalogues();

    // Qt's own texts (standard buttons, file dialogs) where Qt ships them for the language.
    auto qtTexts = std::make_unique<QTranslator>();
    if (qtTexts->load(localeOf(shown_), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installCatalogue(std::move(qtTexts));
    }
    auto ownTexts = std::make_unique<QTranslator>();
    if (ownTexts->load(catalogueName(shown_), QStringLiteral(":/i18n"))) {
        installCatalogue(std::move(ownTexts));
    }
}

void InterfaceLanguage::removeCatalogues()
{
    for (const std::unique_ptr<QTranslator>& translator : catalogues_) {
        QCoreApplication::removeTranslator(translator.get());
    }
    catalogues_.clear();
}

void InterfaceLanguage::installCatalogue(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    catalogues_.push_back(std::move(translator));
}

} // namespace tarnveil
