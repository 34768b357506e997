#include "datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Trying is the only reliable test: permission bits say nothing about read-only mounts or
// about a user who may write anywhere.
bool canCreateFilesIn(const QString& directory) {
    if (!QFileInfo(directory).isDir())
        return false;
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString DataPaths::playerNamesFile() const {
    return QDir(besideProgram).filePath(QStringLiteral("spielernamen.dat"));
}

QString DataPaths::highScoreFile() const {
    return QDir(besideProgram).filePath(QStringLiteral("HighScore.dat"));
}

QString DataPaths::statisticsFile() const {
    return QDir(userData).filePath(QStringLiteral("Sorbello.dat"));
}

QStringList DataPaths::files() const {
    return {playerNamesFile(), highScoreFile(), statisticsFile()};
}

QString besideProgramDirectory(const QString& executableDir, const QString& userDataDir) {
    return canCreateFilesIn(executableDir) ? executableDir : userDataDir;
}

DataPaths dataPathsFor(const QString& executableDir, const QString& userDataDir) {
    return {besideProgramDirectory(executableDir, userDataDir), userDataDir};
}

DataPaths defaultDataPaths() {
    return dataPathsFor(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
