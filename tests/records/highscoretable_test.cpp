#include "records/highscoretable.h"

#include "datafiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate kDay(2000, 3, 5);

QByteArray unusedEntry() {
    return QByteArray("\x08Unbelegt") + zeros(22) + "\x0A" + QByteArray("00.00.0000") + zeros(2) + zeros(4);
}

QByteArray joergEntry() {
    return QByteArray("\x04J\xF6rg") + zeros(26) + "\x0A" + QByteArray("05.03.2000") + zeros(2) +
           QByteArray::fromHex("2c010000");
}

class HighScoreTableTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"HighScore.dat"_s);
    HighScoreTable table;

    QStringList names(int from, int to) const {
        QStringList result;
        for (int n = from; n <= to; ++n)
            result << table.entry(n).name;
        return result;
    }
};

TEST_F(HighScoreTableTest, IsStoredAs31EntriesOf48Bytes) {
    QByteArray fresh;
    for (int n = 1; n <= 30; ++n)
        fresh += unusedEntry();
    EXPECT_EQ(table.toBytes(), fresh + zeros(48));

    table.enterHighScore(u"Jörg"_s, 300, kDay);
    ASSERT_TRUE(saveHighScoreTable(table, path));
    QByteArray expected = joergEntry();
    for (int n = 2; n <= 31; ++n)
        expected += unusedEntry();
    EXPECT_EQ(fileBytes(path), expected);
}

TEST_F(HighScoreTableTest, ANewResultRanksBelowEqualOnesAndEntry31HoldsTheWeakest) {
    for (const auto& [name, points] :
         {std::pair{"A", 5u}, {"B", 5u}, {"C", 7u}, {"D", 5u}, {"E", 0x80000000u}})
        table.enterHighScore(QString::fromLatin1(name), points, kDay);
    EXPECT_EQ(names(1, 6), (QStringList{u"E"_s, u"C"_s, u"A"_s, u"B"_s, u"D"_s, u"Unbelegt"_s}));

    for (int i = 1; i <= 26; ++i)
        table.enterHighScore(u"F"_s + QString::number(i), 1, kDay);
    EXPECT_EQ(table.entry(30).name, u"F25"_s);
    EXPECT_EQ(table.entry(31).name, u"F26"_s);
    EXPECT_EQ(table.entry(31).date, u"05.03.2000"_s);
}

TEST_F(HighScoreTableTest, AZeroResultAmongZerosStaysHiddenAndLongNamesAreCut) {
    table.enterHighScore(u"Null"_s + QString(31, u'x'), 0, kDay);
    EXPECT_EQ(names(1, 30), QStringList(30, u"Unbelegt"_s));
    EXPECT_EQ(table.entry(31).name, u"Null"_s + QString(26, u'x'));
}

TEST_F(HighScoreTableTest, AShortFileOverwritesOnlyTheBytesItCovers) {
    EXPECT_FALSE(loadHighScoreTable(table, path));
    EXPECT_EQ(table.entry(1).name, u"Unbelegt"_s);

    // Entry 2 is cut after its length byte and first character: the rest of "Unbelegt" shows.
    ASSERT_TRUE(writeBytes(path, joergEntry() + QByteArray::fromHex("0541")));
    ASSERT_TRUE(loadHighScoreTable(table, path));
    EXPECT_EQ(table.entry(1), (HighScoreEntry{u"Jörg"_s, u"05.03.2000"_s, 300}));
    EXPECT_EQ(table.entry(2), (HighScoreEntry{u"Anbel"_s, u"00.00.0000"_s, 0}));
    EXPECT_EQ(table.entry(3).name, u"Unbelegt"_s);
    EXPECT_EQ(table.entry(31), HighScoreEntry{});
}

TEST_F(HighScoreTableTest, DamagedLengthBytesStayWithinTheirFields) {
    const QByteArray damaged =
        "\xFF" + QByteArray(30, 'x') + "\xC8" + QByteArray(12, '1') + QByteArray::fromHex("05000000");
    ASSERT_TRUE(writeBytes(path, damaged.repeated(40)));
    ASSERT_TRUE(loadHighScoreTable(table, path));
    for (const int n : {1, 31})
        EXPECT_EQ(table.entry(n), (HighScoreEntry{QString(30, u'x'), QString(12, u'1'), 5}));

    ASSERT_TRUE(saveHighScoreTable(table, path));
    const QByteArray saved = fileBytes(path);
    ASSERT_EQ(saved.size(), 1488);
    EXPECT_EQ(saved.left(48),
              "\x1E" + QByteArray(30, 'x') + "\x0C" + QByteArray(12, '1') + QByteArray::fromHex("05000000"));
}

} // namespace
