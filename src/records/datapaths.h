#pragma once

#include <QString>
#include <QStringList>

// Where the data files live: the player names and the high scores beside the program, the
// statistics in the user's data directory.
struct DataPaths {
    QString besideProgram; // directory
    QString userData;      // directory

    QString playerNamesFile() const;
    QString highScoreFile() const;
    QString statisticsFile() const;
    // All three.
    QStringList files() const;
};

// The executable's directory when a file can be created there and it is not under /usr;
// otherwise (an installed program) the user's data directory, so that no result is silently
// lost and no file is left where the package manager does not expect one.
QString besideProgramDirectory(const QString& executableDir, const QString& userDataDir);

DataPaths dataPathsFor(const QString& executableDir, const QString& userDataDir);

// The real directories of this program and user.
DataPaths defaultDataPaths();
