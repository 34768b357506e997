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

// What lies under /usr belongs to the package manager: a program installed there never adds
// files beside itself, not even when root, who could, runs it.
bool isUnderUsr(const QString& directory) {
    const QString path = QDir::cleanPath(QDir(directory).absolutePath());
    return path == u"/usr" || path.startsWith(u"/usr/");
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
    return !isUnderUsr(executableDir) && canCreateFilesIn(executableDir) ? executableDir : userDataDir;
}

DataPaths dataPathsFor(const QString& executableDir, const QString& userDataDir) {
    return {besideProgramDirectory(executableDir, userDataDir), userDataDir};
}

DataPaths defaultDataPaths() {
    return dataPathsFor(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
