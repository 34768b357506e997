#include "gamerecords.h"

#include "statisticsfile.h"

GameRecords::GameRecords(QString highScoreFile, QString statisticsFile, DateSource today)
    : highScoreFile_(std::move(highScoreFile)), statisticsFile_(std::move(statisticsFile)),
      today_(std::move(today)) {}

void GameRecords::loadHighScores() {
    if (highScoresLoaded_)
        return;
    highScoresLoaded_ = true;
    loadHighScoreTable(highScores_, highScoreFile_);
}

FileWriteResult GameRecords::saveHighScores() const {
    return reported(highScoreFile_, saveHighScoreTable(highScores_, highScoreFile_));
}

void GameRecords::enterHighScore(const QString& name, quint32 points) {
    highScores_.enterHighScore(name, points, today_());
}

void GameRecords::updateStatisticsFile(const GameTallies& tallies, int playerCount) {
    reported(statisticsFile_, ::updateStatisticsFile(statisticsFile_, tallies, playerCount));
}

FileWriteResult GameRecords::reported(const QString& path, FileWriteResult result) const {
    if (!result && onWriteFailure_)
        onWriteFailure_(path, result.reason);
    return result;
}
