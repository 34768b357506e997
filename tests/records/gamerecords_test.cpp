#include "records/datapaths.h"
#include "records/gamerecords.h"
#include "records/playernamelist.h"
#include "records/stattable.h"

#include "datafiles.h"
#include <QDir>

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class GameRecordsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString highScores = dir.filePath(u"HighScore.dat"_s);
    QString statistics = dir.filePath(u"data/Sorbello.dat"_s);
    GameRecords records{highScores, statistics, [] { return QDate(2024, 5, 3); }};

    static GameTallies tallies(const QString& first, const QString& second) {
        GameTallies result;
        result[1] = {first, 1, 1, 18, 4};
        result[2] = {second, 1, 0, 12, 5};
        return result;
    }
};

// At the game's end, not only at the program's: a session that ends the program by a signal
// must not take the game's results with it.
TEST_F(GameRecordsTest, AFirstTwoPlayerGameReachesBothFilesAtItsEnd) {
    records.loadHighScores();
    records.enterHighScore(u"Anna"_s, 18);
    records.enterHighScore(u"Bert"_s, 12);
    records.recordGameEnd(tallies(u"Anna"_s, u"Bert"_s), 2);

    GameRecords nextRun(highScores, statistics);
    nextRun.loadHighScores();
    const HighScoreTable& table = nextRun.highScores();
    EXPECT_EQ(table.entry(1), (HighScoreEntry{u"Anna"_s, u"03.05.2024"_s, 18}));
    EXPECT_EQ(table.entry(2), (HighScoreEntry{u"Bert"_s, u"03.05.2024"_s, 12}));
    EXPECT_EQ(table.entry(3), (HighScoreEntry{u"Unbelegt"_s, u"00.00.0000"_s, 0}));
    const auto stats = readStatTable(statistics);
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->entries, (std::vector<StatEntry>{{u"Anna"_s, 1, 1, 18, 4}, {u"Bert"_s, 1, 0, 12, 5}}));
}

TEST_F(GameRecordsTest, AFailedWriteLeavesTheOldFileIntact) {
    PlayerNameList names(dir.filePath(u"spielernamen.dat"_s));
    names.add(u"Anna"_s);
    records.enterHighScore(u"Anna"_s, 18);
    records.recordGameEnd(tallies(u"Anna"_s, u"Bert"_s), 2);
    ASSERT_TRUE(names.save());
    ASSERT_TRUE(records.saveHighScores());
    const QStringList paths{dir.filePath(u"spielernamen.dat"_s), highScores, statistics};
    QList<QByteArray> before;
    for (const QString& path : paths)
        before << fileBytes(path);

    names.add(u"Bert"_s);
    records.enterHighScore(u"Carl"_s, 30);
    {
        const FileSizeLimit limit(8);
        EXPECT_FALSE(names.save());
        EXPECT_FALSE(records.saveHighScores());
        records.recordGameEnd(tallies(u"Carl"_s, u"Dora"_s), 2);
    }
    for (int i = 0; i < paths.size(); ++i)
        EXPECT_EQ(fileBytes(paths[i]), before[i]) << paths[i].toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
}

TEST(DataPathsTest, FilesBesideTheProgramMoveWhereTheyCanBeCreated) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);
    const DataPaths usable = dataPathsFor(dir.path(), data);
    EXPECT_EQ(usable.highScoreFile(), dir.filePath(u"HighScore.dat"_s));
    EXPECT_EQ(usable.playerNamesFile(), dir.filePath(u"spielernamen.dat"_s));
    EXPECT_EQ(usable.statisticsFile(), data + u"/Sorbello.dat"_s);
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "the probe leaves nothing behind";

    // /proc takes no new files even from root.
    for (const QString& unusable : {u"/proc"_s, dir.filePath(u"missing"_s)})
        EXPECT_EQ(dataPathsFor(unusable, data).highScoreFile(), data + u"/HighScore.dat"_s);
}

TEST(DataPathsTest, AProgramInstalledUnderUsrNeverWritesBesideItselfEvenAsRoot) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);
    // Root may create files there; the package manager alone owns what lies under /usr.
    for (const QString& installed : {u"/usr/games"_s, u"/usr/local/bin"_s, u"/usr"_s})
        EXPECT_EQ(dataPathsFor(installed, data).playerNamesFile(), data + u"/spielernamen.dat"_s)
            << installed.toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"usr"_s));
    EXPECT_EQ(dataPathsFor(dir.filePath(u"usr"_s), data).besideProgram, dir.filePath(u"usr"_s))
        << "a folder named usr elsewhere is an ordinary folder";
}

} // namespace
