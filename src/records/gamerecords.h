#pragma once

#include "highscoretable.h"
#include "statentry.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>

// The records a finished game reaches: the high-score table, held for the whole run and
// written at every game end that entered results in it, and the statistics file, rewritten at
// every game end.
class GameRecords : public QObject {
    Q_OBJECT
public:
    using DateSource = std::function<QDate()>;

    GameRecords(QString highScoreFile, QString statisticsFile, DateSource today = &QDate::currentDate,
                QObject* parent = nullptr);

    // At program start: the table from its file (defaults when there is none). Only the first
    // call reads it: a later one keeps the results of the run.
    void loadHighScores();
    // At a game's end and again at program end.
    FileWriteResult saveHighScores();
    const HighScoreTable& highScores() const { return highScores_; }

    void enterHighScore(const QString& name, quint32 points);
    // At every game's end, after its results were entered: what the game changed reaches the
    // files at once, so that no later end of the program can lose it.
    void recordGameEnd(const GameTallies& tallies, int playerCount);

Q_SIGNALS:
    // A write failed, with the file and the system's reason; results are lost then, and the
    // user should know.
    void writeFailed(const QString& path, const QString& reason);

private:
    FileWriteResult reported(const QString& path, FileWriteResult result);

    QString highScoreFile_;
    QString statisticsFile_;
    DateSource today_;
    HighScoreTable highScores_;
    bool highScoresLoaded_ = false;
    bool highScoresEntered_ = false; // since they were last written
};
