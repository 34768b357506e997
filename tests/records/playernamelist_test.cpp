#include "records/playernamelist.h"

#include "datafiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PlayerNameListTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("spielernamen.dat"));
    PlayerNameList list{path};
};

TEST_F(PlayerNameListTest, SavesCrLfLinesInTheWindowsCodePageAndReadsThemBack) {
    for (const char16_t* name : {u"Müller", u"", u" Anna Maria ", u"€uro", u"Łukasz"})
        list.AddName(QString::fromUtf16(name));
    ASSERT_EQ(list.count(), 4) << "the empty text is not added";
    ASSERT_TRUE(list.SavePlayerNames());
    EXPECT_EQ(fileBytes(path), QByteArray("M\xFCller\r\n Anna Maria \r\n\x80uro\r\n?ukasz\r\n"));

    PlayerNameList reread(path);
    reread.LoadPlayerNames();
    EXPECT_EQ(reread.names(), (QStringList{u"Müller"_s, u" Anna Maria "_s, u"€uro"_s, u"?ukasz"_s}));
    // Otherwise a name with a character the file cannot hold would be added again at every save.
    EXPECT_TRUE(reread.ContainsName(u"Łukasz"_s));
}

TEST_F(PlayerNameListTest, EveryLineIsAnEntryWhateverItsLineEnd) {
    ASSERT_TRUE(writeBytes(path, "Anna\r\n\r\nBert\nCarl"));
    list.AddName(QStringLiteral("stale"));
    list.LoadPlayerNames();
    EXPECT_EQ(list.names(), (QStringList{"Anna", "", "Bert", "Carl"}));

    QFile::remove(path);
    list.LoadPlayerNames();
    EXPECT_EQ(list.count(), 0);
}

TEST_F(PlayerNameListTest, ComparesUpperCasedByTheLocale) {
    list.AddName(u"müller"_s);
    list.AddName(QStringLiteral("Anna"));
    EXPECT_TRUE(list.ContainsName(u"MÜLLER"_s));
    EXPECT_TRUE(list.ContainsName(QStringLiteral("anna")));
    EXPECT_FALSE(list.ContainsName(QStringLiteral("MUELLER")));
    EXPECT_FALSE(list.ContainsName(QStringLiteral("Anna ")));
}

TEST_F(PlayerNameListTest, HoldsAtMostOneHundredNames) {
    QByteArray bytes;
    for (int i = 1; i <= 101; ++i)
        bytes += "Name" + QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(writeBytes(path, bytes));
    list.LoadPlayerNames();
    ASSERT_EQ(list.count(), 100);
    EXPECT_EQ(list.names().last(), "Name100");

    list.AddName(QStringLiteral("Late"));
    EXPECT_EQ(list.count(), 100);
    EXPECT_FALSE(list.ContainsName(QStringLiteral("Late")));
}

} // namespace
