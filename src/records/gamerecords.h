#pragma once

#include "game/turnports.h"
#include "highscoretable.h"

#include <QDate>
#include <QString>

#include <functional>

// The records a finished game reaches: the high-score table, held for the whole run and
// written at every game end that entered results in it, and the statistics file, rewritten at
// every game end.
class GameRecords : public RecordsPort {
public:
    using DateSource = std::function<QDate()>;
    // Told about each write that failed, with the file and the system's reason; results are
    // lost then, and the user should know.
    using WriteFailure = std::function<void(const QString& path, const QString& reason)>;

    GameRecords(QString highScoreFile, QString statisticsFile, DateSource today = &QDate::currentDate);

    void setWriteFailure(WriteFailure onFailure) { onWriteFailure_ = std::move(onFailure); }

    // At program start: the table from its file (defaults when there is none). Only the first
    // call reads it: a later one keeps the results of the run.
    void loadHighScores();
    // At a game's end and again at program end.
    FileWriteResult saveHighScores();
    const HighScoreTable& highScores() const { return highScores_; }

    void enterHighScore(const QString& name, quint32 points) override;
    void recordGameEnd(const GameTallies& tallies, int playerCount) override;

private:
    FileWriteResult reported(const QString& path, FileWriteResult result) const;

    QString highScoreFile_;
    QString statisticsFile_;
    DateSource today_;
    HighScoreTable highScores_;
    bool highScoresLoaded_ = false;
    bool highScoresEntered_ = false; // since they were last written
    WriteFailure onWriteFailure_;
};
