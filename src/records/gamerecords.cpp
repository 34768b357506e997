#include "gamerecords.h"

#include "statisticsfile.h"

GameRecords::GameRecords(QString highScoreFile, QString statisticsFile, DateSource today, QObject* parent)
    : QObject(parent), highScoreFile_(std::move(highScoreFile)), statisticsFile_(std::move(statisticsFile)),
      today_(std::move(today)) {}

void GameRecords::loadHighScores() {
    if (highScoresLoaded_)
        return;
    highScoresLoaded_ = true;
    loadHighScoreTable(highScores_, highScoreFile_);
}

FileWriteResult GameRecords::saveHighScores() {
    highScoresEntered_ = false;
    return reported(highScoreFile_, saveHighScoreTable(highScores_, highScoreFile_));
}

void GameRecords::enterHighScore(const QString& name, quint32 points) {
    // The table written at the game's end must be the file's table with these results added.
    loadHighScores();
    highScores_.enterHighScore(name, points, today_());
    highScoresEntered_ = true;
}

void GameRecords::recordGameEnd(const GameTallies& tallies, int playerCount) {
    reported(statisticsFile_, updateStatisticsFile(statisticsFile_, tallies, playerCount));
    if (highScoresEntered_)
        saveHighScores();
}

FileWriteResult GameRecords::reported(const QString& path, FileWriteResult result) {
    if (!result)
        Q_EMIT writeFailed(path, result.reason);
    return result;
}
