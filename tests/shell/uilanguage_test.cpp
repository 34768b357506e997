#include "shell/uilanguage.h"

#include <gtest/gtest.h>

namespace {

QStringList languages(const char* list) {
    return QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts);
}

// The lists are those QLocale::system().uiLanguages() makes of LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG.
TEST(PreferredUiLanguage, IsEnglishOnlyWhereEnglishComesBeforeGerman) {
    const struct {
        const char* uiLanguages;
        UiLanguage expected;
    } cases[] = {
        {"C", UiLanguage::German}, // LANG=C, LANG=POSIX, LANG=C.UTF-8, nothing set
        {"", UiLanguage::German},
        {"de-DE,de-Latn-DE,de", UiLanguage::German},
        {"en-US,en-Latn-US,en", UiLanguage::English},
        {"en-GB,en-Latn-GB", UiLanguage::English},                          // LC_ALL=en_GB LANG=de_DE
        {"de,de-Latn-DE,de-DE,en,en-Latn-US,en-US", UiLanguage::German},    // LANGUAGE=de:en
        {"fr,fr-Latn-FR,fr-FR,en,en-Latn-US,en-US", UiLanguage::English},   // LANGUAGE=fr:en
        {"fr,fr-Latn-FR,fr-FR,de,de-Latn-DE,de-DE,en", UiLanguage::German}, // LANGUAGE=fr:de:en
        {"fr-FR,fr-Latn-FR,fr", UiLanguage::German},
    };
    for (const auto& c : cases)
        EXPECT_EQ(preferredUiLanguage(languages(c.uiLanguages)), c.expected) << c.uiLanguages;
}

} // namespace
