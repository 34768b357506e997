#include "records/statisticsfile.h"
#include "records/stattable.h"

#include "datafiles.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Tally {
    QString name;
    qint32 wins = 0, pairs = 0, misses = 0;
};
using Game = std::vector<Tally>;

class StatisticsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"Sorbello.dat"_s);

    void play(const Game& game) {
        GameTallies tallies;
        for (size_t p = 0; p < game.size(); ++p)
            tallies[p + 1] = {game[p].name, 1, game[p].wins, game[p].pairs, game[p].misses};
        ASSERT_TRUE(updateStatisticsFile(path, tallies, static_cast<int>(game.size())));
    }
    std::vector<StatEntry> entries() const { return readStatTable(path).value_or(StatTable{}).entries; }
};

TEST_F(StatisticsFileTest, IsStoredAsCountAnd1000EntriesOf27Bytes) {
    ASSERT_TRUE(writeStatTable(path, StatTable{{{u"Jörg"_s, 3, 1, 10, -2}, {u"Bo"_s, 1, 0, 0, 0}}}));
    const QByteArray expected = QByteArray::fromHex("02000000") + QByteArray("\x04J\xF6rg") + zeros(6) +
                                QByteArray::fromHex("03000000"
                                                    "01000000"
                                                    "0a000000"
                                                    "feffffff") +
                                "\x02" + QByteArray("Bo") + zeros(8) + QByteArray::fromHex("01000000") +
                                zeros(12) + zeros(998 * 27);
    EXPECT_EQ(fileBytes(path), expected);
}

TEST_F(StatisticsFileTest, MergesEqualNamesAsTheGamesEnd) {
    const struct {
        const char* what;
        std::vector<Game> games;
        std::vector<StatEntry> expected;
    } cases[] = {
        {"trimmed and a..z upper-cased; the first spelling stays",
         {{{u"Anna"_s, 1, 5, 2}, {u"Bo"_s}}, {{u"Anna"_s}, {u"Bo"_s, 1}}, {{u" anna\t"_s, 0, 3, 1}}},
         {{u"Anna"_s, 3, 1, 8, 3}, {u"Bo"_s, 2, 1, 0, 0}}},
        {"umlauts are not upper-cased", {{{u"Jörg"_s}, {u"JÖRG"_s}}}, {{u"Jörg"_s, 1}, {u"JÖRG"_s, 1}}},
        {"ten characters kept and matched",
         {{{u"Maximiliane12"_s}}, {{u"maximilianXYZ"_s}}},
         {{u"Maximilian"_s, 2}}},
        {"two of one game share an entry", {{{u"Tom"_s, 0, 4}, {u"Tom"_s, 0, 3}}}, {{u"Tom"_s, 2, 0, 7, 0}}},
        {"a draw counts the game for everyone", {{{u"A"_s}, {u"B"_s}}}, {{u"A"_s, 1}, {u"B"_s, 1}}},
    };
    for (const auto& c : cases) {
        QFile::remove(path);
        for (const Game& game : c.games)
            play(game);
        EXPECT_EQ(entries(), c.expected) << c.what;
    }
    EXPECT_EQ(statListName(u"Jörg anna"_s), u"JöRG ANNA"_s);
}

TEST_F(StatisticsFileTest, UpdatesEveryEqualEntryOfAnOlderFile) {
    ASSERT_TRUE(writeStatTable(path, StatTable{{{u"anna"_s, 2}, {u"Bo"_s, 1}, {u"ANNA "_s, 5}}}));
    play({{u"Anna"_s, 1}});
    EXPECT_EQ(entries(), (std::vector<StatEntry>{{u"anna"_s, 3, 1}, {u"Bo"_s, 1}, {u"ANNA "_s, 6, 1}}));
}

TEST_F(StatisticsFileTest, TheThousandAndFirstNameIsNotRecorded) {
    StatTable full;
    for (int i = 0; i < 1000; ++i)
        full.entries.push_back({u"N"_s + QString::number(i), 1});
    ASSERT_TRUE(writeStatTable(path, full));
    play({{u"Newcomer"_s}, {u"N999"_s}});
    const std::vector<StatEntry> after = entries();
    ASSERT_EQ(after.size(), 1000u);
    EXPECT_EQ(after.back(), (StatEntry{u"N999"_s, 2}));
    EXPECT_EQ(fileBytes(path).size(), 27004);
}

TEST_F(StatisticsFileTest, DamagedFilesAreReadWithinBounds) {
    const auto count = [](qint32 n) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(n, bytes.data());
        return bytes;
    };
    const QByteArray eva =
        "\x03" + QByteArray("Eva") + zeros(7) + QByteArray::fromHex("07000000") + zeros(12);
    const QByteArray wideName = "\xFF" + QByteArray(10, 'w') + QByteArray::fromHex("02000000") + zeros(12);
    const struct {
        const char* what;
        QByteArray bytes;
        size_t count;
        StatEntry first;
    } cases[] = {
        {"empty", {}, 0, {}},
        {"shorter than the count", "\x01\x00", 0, {}},
        {"count beyond the entries present", count(5) + eva + eva + eva.left(20), 2, {u"Eva"_s, 7}},
        {"negative count", count(-3) + eva, 0, {}},
        {"count above 1000", count(5000) + eva + zeros(999 * 27), 1000, {u"Eva"_s, 7}},
        {"longer than a table", count(1) + eva + zeros(40000), 1, {u"Eva"_s, 7}},
        {"name length above 10", count(1) + wideName, 1, {QString(10, u'w'), 2}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeBytes(path, c.bytes));
        const std::vector<StatEntry> read = entries();
        ASSERT_EQ(read.size(), c.count) << c.what;
        if (c.count > 0) {
            EXPECT_EQ(read.front(), c.first) << c.what;
        }
        play({{u"Eva"_s}});
        EXPECT_EQ(fileBytes(path).size(), 27004) << c.what;
    }
}

} // namespace
