#include <gtest/gtest.h>

#include <QLocale>

#include "shell/AppLanguage.h"

namespace tarnveil::test {

TEST(AppLanguage, MembersHaveTheirIdentifiersAndOwnNamesInPickerOrder)
{
    const std::vector<std::pair<QString, QString>> expected = {
        {"system", ""},
        {"en", "English"},
        {"ja", "日本語"},
        {"de-DE", "Deutsch"},
        {"fr-FR", "Français"},
        {"ko", "한국어"},
        {"es-MX", "Español (México)"},
        {"pt-BR", "Português (Brasil)"},
        {"it", "Italiano"},
        {"zh-Hant", "繁體中文"},
        {"nl-NL", "Nederlands"},
    };
    ASSERT_EQ(allAppLanguages.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const AppLanguage member = allAppLanguages.at(index);
        EXPECT_EQ(identifier(member), expected[index].first);
        EXPECT_EQ(endonym(member), expected[index].second);
        EXPECT_EQ(appLanguageFromIdentifier(identifier(member)), member) << "round trip";
        if (member != AppLanguage::system) {
            EXPECT_EQ(pickerTitle(member), expected[index].second);
        }
    }
    EXPECT_EQ(pickerTitle(AppLanguage::system), QStringLiteral("System"));
}

TEST(AppLanguage, AnythingButAnExactIdentifierCountsAsSystem)
{
    for (const char* stored : {"", "de", "de_DE", "DE-de", "en-US", "zh", "zh-Hans", "System", " ja", "ja "}) {
        EXPECT_EQ(appLanguageFromIdentifier(QString::fromUtf8(stored)), AppLanguage::system) << stored;
    }
}

TEST(AppLanguage, TheSystemLocaleIsServedByTheMemberOfItsLanguage)
{
    const std::vector<std::pair<const char*, AppLanguage>> cases = {
        {"de_AT", AppLanguage::german},
        {"de_CH", AppLanguage::german},
        {"fr_CA", AppLanguage::french},
        {"es_ES", AppLanguage::spanishMexico},
        {"pt_PT", AppLanguage::portugueseBrazil},
        {"nl_BE", AppLanguage::dutch},
        {"ja_JP", AppLanguage::japanese},
        {"ko_KR", AppLanguage::korean},
        {"it_CH", AppLanguage::italian},
        {"zh_TW", AppLanguage::chineseTraditional},
        {"zh_HK", AppLanguage::chineseTraditional},
        {"zh_CN", AppLanguage::english},
        {"sv_SE", AppLanguage::english},
        {"C", AppLanguage::english},
    };
    for (const auto& [locale, expected] : cases) {
        EXPECT_EQ(appLanguageForLocale(QLocale(QString::fromUtf8(locale))), expected) << locale;
    }
}

} // namespace tarnveil::test
