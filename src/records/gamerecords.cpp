#include "gamerecords.h"

#include "statisticsfile.h"

GameRecords::GameRecords(QString highScoreFile, QString statisticsFile, DateSource today)
    : highScoreFile_(std::move(highScoreFile)), statisticsFile_(std::move(statisticsFile)),
      today_(std::move(today)) {}

void GameRecords::loadHighScores() {
    LoadScoreTable(highScores_, highScoreFile_);
}

bool GameRecords::saveHighScores() const {
    return SaveScoreTable(highScores_, highScoreFile_);
}

void GameRecords::EnterHighScore(const QString& name, quint32 points) {
    highScores_.EnterHighScore(name, points, today_());
}

void GameRecords::UpdateStatisticsFile(const TGameTallies& tallies, int playerCount) {
    ::UpdateStatisticsFile(statisticsFile_, tallies, playerCount);
}
