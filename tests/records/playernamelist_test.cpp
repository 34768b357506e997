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
        list.add(QString::fromUtf16(name));
    ASSERT_EQ(list.count(), 4) << "the empty text is not added";
    ASSERT_TRUE(list.save());
    EXPECT_EQ(fileBytes(path), QByteArray("M\xFCller\r\n Anna Maria \r\n\x80uro\r\n?ukasz\r\n"));

    PlayerNameList reread(path);
    reread.load();
    EXPECT_EQ(reread.names(), (QStringList{u"Müller"_s, u" Anna Maria "_s, u"€uro"_s, u"?ukasz"_s}));
    // Otherwise a name with a character the file cannot hold would be added again at every save.
    EXPECT_TRUE(reread.contains(u"Łukasz"_s));
}

TEST_F(PlayerNameListTest, EveryLineIsAnEntryWhateverItsLineEnd) {
    ASSERT_TRUE(writeBytes(path, "Anna\r\n\r\nBert\nCarl"));
    list.add(QStringLiteral("stale"));
    list.load();
    EXPECT_EQ(list.names(), (QStringList{"Anna", "", "Bert", "Carl"}));

    QFile::remove(path);
    list.load();
    EXPECT_EQ(list.count(), 0);
}

TEST_F(PlayerNameListTest, ComparesUpperCasedByTheLocale) {
    list.add(u"müller"_s);
    list.add(QStringLiteral("Anna"));
    EXPECT_TRUE(list.contains(u"MÜLLER"_s));
    EXPECT_TRUE(list.contains(QStringLiteral("anna")));
    EXPECT_FALSE(list.contains(QStringLiteral("MUELLER")));
    EXPECT_FALSE(list.contains(QStringLiteral("Anna ")));
}

TEST_F(PlayerNameListTest, HoldsAtMostOneHundredNames) {
    QByteArray bytes;
    for (int i = 1; i <= 101; ++i)
        bytes += "Name" + QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(writeBytes(path, bytes));
    list.load();
    ASSERT_EQ(list.count(), 100);
    EXPECT_EQ(list.names().last(), "Name100");

    list.add(QStringLiteral("Late"));
    EXPECT_EQ(list.count(), 100);
    EXPECT_FALSE(list.contains(QStringLiteral("Late")));
}

} // namespace
