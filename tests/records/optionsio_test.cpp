#include "records/optionsio.h"
#include "records/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class OptionsIoTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{std::make_unique<QSettings>(fileName(), QSettings::IniFormat)};

    // A second store on the same file sees only what was written through.
    SettingsStore reopened() {
        return SettingsStore(std::make_unique<QSettings>(fileName(), QSettings::IniFormat));
    }
    QString fileName() const { return dir.filePath(QStringLiteral("s.ini")); }
};

TEST_F(OptionsIoTest, AnEmptyStoreGivesTheDefaults) {
    ProgramOptions options;
    options.fadeShow = 3;
    options.soundOn = false;
    options.redCardBack = true;
    readProgramOptions(store, options);
    EXPECT_EQ(options.fadeShow, 75);
    EXPECT_EQ(options.fadeHide, 75);
    EXPECT_EQ(options.fadeRemove, 75);
    EXPECT_TRUE(options.soundOn);
    EXPECT_FALSE(options.redCardBack);
}

TEST_F(OptionsIoTest, TextsAreInterpretedExactly) {
    const struct {
        QString soundValue, cardBackValue;
        bool soundOn, red;
    } cases[] = {
        {"Nein", "rot", false, true}, {"nein", "Rot", true, false},  {"Ja", "classic", true, false},
        {"", "", true, false},        {"NEIN", "rot ", true, false},
    };
    for (const auto& c : cases) {
        store.setValue(QStringLiteral("soundan"), c.soundValue);
        store.setValue(QStringLiteral("Kartenruecken"), c.cardBackValue);
        ProgramOptions options;
        readProgramOptions(store, options);
        EXPECT_EQ(options.soundOn, c.soundOn) << c.soundValue.toStdString();
        EXPECT_EQ(options.redCardBack, c.red) << c.cardBackValue.toStdString();
    }
}

// A hand-edited count is used within the options dialog's bounds; beyond them, as for text
// that is no number, the default stays: a card must always finish turning.
TEST_F(OptionsIoTest, FadeCountsAreUsedWithinTheDialogsBoundsOnly) {
    const struct {
        QString stored;
        qint32 used;
    } cases[] = {{"1", 1},     {"1000", 1000}, {"500", 500},       {"0", 75},          {"-3", 75},
                 {"1001", 75}, {"abc", 75},    {"2147483647", 75}, {"-2147483648", 75}};
    for (const auto& c : cases) {
        for (const char* name : {"fadeShow", "fadeHide", "fadeRemove"})
            store.setValue(QString::fromLatin1(name), c.stored);
        ProgramOptions options;
        options.fadeShow = options.fadeHide = options.fadeRemove = 3;
        readProgramOptions(store, options);
        EXPECT_EQ(options.fadeShow, c.used) << c.stored.toStdString();
        EXPECT_EQ(options.fadeHide, c.used) << c.stored.toStdString();
        EXPECT_EQ(options.fadeRemove, c.used) << c.stored.toStdString();
    }
    EXPECT_FALSE(readDecimal(store, QStringLiteral("missing")));
    EXPECT_EQ(readDecimal(store, QStringLiteral("fadeShow")), -2147483648) << "read as written";
}

TEST_F(OptionsIoTest, WritesEveryValueAsTextAndThroughToTheFile) {
    ProgramOptions options;
    options.fadeShow = 10;
    options.fadeHide = 20;
    options.fadeRemove = 500;
    options.soundOn = false;
    options.redCardBack = true;
    writeProgramOptions(store, options, true, 255);
    const SettingsStore other = reopened();
    EXPECT_EQ(other.value(QStringLiteral("fadeShow")), "10");
    EXPECT_EQ(other.value(QStringLiteral("fadeHide")), "20");
    EXPECT_EQ(other.value(QStringLiteral("fadeRemove")), "500");
    EXPECT_EQ(other.value(QStringLiteral("soundan")), "Nein");
    EXPECT_EQ(other.value(QStringLiteral("Kartenruecken")), "rot");
    EXPECT_EQ(other.value(QStringLiteral("abdecken")), "Ja");
    EXPECT_EQ(other.value(QStringLiteral("higrufarbe")), "255");

    writeProgramOptions(store, ProgramOptions{}, false, 16711680);
    const SettingsStore again = reopened();
    EXPECT_EQ(again.value(QStringLiteral("soundan")), "Ja");
    EXPECT_EQ(again.value(QStringLiteral("Kartenruecken")), "classic");
    EXPECT_EQ(again.value(QStringLiteral("abdecken")), "Nein");
    EXPECT_EQ(again.value(QStringLiteral("higrufarbe")), "16711680");
}

TEST_F(OptionsIoTest, AHandEditedValueWithAnUnquotedCommaReadsAsTheTextInTheFile) {
    QFile file(fileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Daten]\r\n"
               "sp1=Meier, Jo\r\n"
               "sp2=Meier,Jo\r\n"
               "sp3=  Ma ,  Mo  \r\n"
               "sp4=\"Lu, Li\"\r\n"
               "Standardbilddatei=/home/jo/Karten, alt.pbd\r\n"
               "netzwerkadresse=a\\\\b, c\r\n");
    file.close();
    SettingsStore edited = reopened();
    EXPECT_EQ(edited.value(QStringLiteral("sp1")), "Meier, Jo");
    EXPECT_EQ(edited.value(QStringLiteral("sp2")), "Meier,Jo");
    EXPECT_EQ(edited.value(QStringLiteral("sp3")), "Ma ,  Mo");
    EXPECT_EQ(edited.value(QStringLiteral("sp4")), "Lu, Li");
    EXPECT_EQ(edited.value(QStringLiteral("Standardbilddatei")), "/home/jo/Karten, alt.pbd");
    EXPECT_EQ(edited.value(QStringLiteral("netzwerkadresse")), "a\\b, c")
        << "a line with escapes gives its parts joined";

    edited.setValue(QStringLiteral("sp1"), edited.value(QStringLiteral("sp1")));
    EXPECT_EQ(reopened().value(QStringLiteral("sp1")), "Meier, Jo") << "written back unchanged";
}

} // namespace
