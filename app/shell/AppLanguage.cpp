#include "shell/AppLanguage.h"

#include <QCoreApplication>

namespace tarnveil {

namespace {

struct LanguageFacts {
    AppLanguage language;
    const char* identifier;
    const char* endonym;
    const char* catalogue;
};

constexpr std::array<LanguageFacts, 11> facts = {{
    {AppLanguage::system, "system", "", ""},
    {AppLanguage::english, "en", "English", "tarnveil_en"},
    {AppLanguage::japanese, "ja", "日本語", "tarnveil_ja"},
    {AppLanguage::german, "de-DE", "Deutsch", "tarnveil_de_DE"},
    {AppLanguage::french, "fr-FR", "Français", "tarnveil_fr_FR"},
    {AppLanguage::korean, "ko", "한국어", "tarnveil_ko"},
    {AppLanguage::spanishMexico, "es-MX", "Español (México)", "tarnveil_es_MX"},
    {AppLanguage::portugueseBrazil, "pt-BR", "Português (Brasil)", "tarnveil_pt_BR"},
    {AppLanguage::italian, "it", "Italiano", "tarnveil_it"},
    {AppLanguage::chineseTraditional, "zh-Hant", "繁體中文", "tarnveil_zh_Hant"},
    {AppLanguage::dutch, "nl-NL", "Nederlands", "tarnveil_nl_NL"},
}};

const LanguageFacts& factsOf(AppLanguage language)
{
    return facts.at(static_cast<std::size_t>(language));
}

} // namespace

QString identifier(AppLanguage language)
{
    return QString::fromUtf8(factsOf(language).identifier);
}

QString endonym(AppLanguage language)
{
    return QString::fromUtf8(factsOf(language).endonym);
}

QString catalogueName(AppLanguage language)
{
    return QString::fromUtf8(factsOf(language).catalogue);
}

QString pickerTitle(AppLanguage language)
{
    if (language == AppLanguage::system) {
        //: Language picker: follow the device's own language setting rather than overriding it.
        return QCoreApplication::translate("AppLanguage", "System");
    }
    return endonym(language);
}

AppLanguage appLanguageFromIdentifier(const QString& stored)
{
    for (const LanguageFacts& entry : facts) {
        if (stored == QLatin1String(entry.identifier)) {
            return entry.language;
        }
    }
    return AppLanguage::system;
}

AppLanguage appLanguageForLocale(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Japanese:
        return AppLanguage::japanese;
    case QLocale::German:
        return AppLanguage::german;
    case QLocale::French:
        return AppLanguage::french;
    case QLocale::Korean:
        return AppLanguage::korean;
    case QLocale::Spanish:
        return AppLanguage::spanishMexico;
    case QLocale::Portuguese:
        return AppLanguage::portugueseBrazil;
    case QLocale::Italian:
        return AppLanguage::italian;
    case QLocale::Dutch:
        return AppLanguage::dutch;
    case QLocale::Chinese:
        // Simplified Chinese readers get the English interface rather than the other script.
        return locale.script() == QLocale::TraditionalChineseScript ? AppLanguage::chineseTraditional
                                                                     : AppLanguage::english;
    default:
        return AppLanguage::english;
    }
}

} // namespace tarnveil
