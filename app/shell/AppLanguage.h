#pragma once

#include <array>

#include <QLocale>
#include <QString>

namespace tarnveil {

/// The interface languages. Each member but `system` has a stable identifier, which is both
/// the stored value and the locale it stands for, and a name in its own language.
enum class AppLanguage {
    system,
    english,
    japanese,
    german,
    french,
    korean,
    spanishMexico,
    portugueseBrazil,
    italian,
    chineseTraditional,
    dutch,
};

/// Every member in the order the language picker lists them.
inline constexpr std::array<AppLanguage, 11> allAppLanguages = {
    AppLanguage::system,        AppLanguage::english,          AppLanguage::japanese, AppLanguage::german,
    AppLanguage::french,        AppLanguage::korean,           AppLanguage::spanishMexico,
    AppLanguage::portugueseBrazil, AppLanguage::italian,       AppLanguage::chineseTraditional,
    AppLanguage::dutch,
};

/// "system", "en", "ja", "de-DE", … as stored under `AppLanguageSetting::key`.
QString identifier(AppLanguage language);
/// The language's name in itself ("Deutsch", "日本語"); empty for `system`, whose title is
/// translated instead.
QString endonym(AppLanguage language);
/// What the language picker shows: the translated "System" for `system`, the endonym for the
/// others.
QString pickerTitle(AppLanguage language);
/// The member with exactly that identifier; anything else (an unknown code, a code without
/// the region the member has, an empty string) counts as `system`.
AppLanguage appLanguageFromIdentifier(const QString& identifier);
/// The interface language that serves `locale`: the member of the same language (Chinese only
/// in traditional script), English when none does.
AppLanguage appLanguageForLocale(const QLocale& locale);
/// The base name of the member's translation catalogue ("tarnveil_de_DE"); empty for `system`.
QString catalogueName(AppLanguage language);

} // namespace tarnveil
