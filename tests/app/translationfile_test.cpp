#include "translationfile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// What lupdate finds in the code today, in a file of its own.
std::vector<TranslatedText> textsOfTheCode() {
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(SORBELLO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(SORBELLO_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
        return {};
    return readTranslationFile(fresh);
}

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// Run tools/update_translations.sh and translate what it marks unfinished.
TEST(EnglishTranslationFile, HoldsAFinishedTranslationOfEveryTextOfTheCodeAndNothingElse) {
    const std::vector<TranslatedText> code = textsOfTheCode();
    const std::vector<TranslatedText> file = readTranslationFile(englishTranslationFile());
    ASSERT_GT(code.size(), 250u) << "lupdate found too few texts in the code";
    for (const TranslatedText& text : code) {
        const auto held =
            std::find_if(file.begin(), file.end(), [&](const auto& t) { return t.sameKey(text); });
        ASSERT_NE(held, file.end()) << "not in the English file: " << text.context.toStdString() << " \""
                                    << text.source.toStdString() << "\"";
        EXPECT_TRUE(held->finished && !held->translation.isEmpty())
            << "unfinished: " << text.context.toStdString() << " \"" << text.source.toStdString() << "\"";
    }
    for (const TranslatedText& text : file)
        EXPECT_TRUE(std::any_of(code.begin(), code.end(), [&](const auto& t) { return t.sameKey(text); }))
            << "no longer in the code: " << text.context.toStdString() << " \"" << text.source.toStdString()
            << "\"";
}

// A lost %1 would drop a name or a number; a lost or second & would break a menu's keys; a
// German text copied over would stay German.
TEST(EnglishTranslationFile, TranslatesEveryTextKeepingItsPlaceholdersAndAccelerator) {
    const QStringList sameInBothLanguages{QStringLiteral("Computer"), QStringLiteral("Name"),
                                          QStringLiteral("editor"), QStringLiteral("Version "),
                                          QStringLiteral("Version: ")};
    for (const TranslatedText& text : readTranslationFile(englishTranslationFile())) {
        EXPECT_EQ(placeholders(text.translation), placeholders(text.source)) << text.source.toStdString();
        EXPECT_EQ(text.translation.count(u'&'), text.source.count(u'&')) << text.source.toStdString();
        EXPECT_TRUE(text.translation != text.source || sameInBothLanguages.contains(text.source))
            << "still German: " << text.source.toStdString();
    }
}

} // namespace
