#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

std::optional<StartRefusal> startRefusal(int screenWidth, bool otherInstanceRunning) {
    if (screenWidth < 800)
        return StartRefusal{
            QCoreApplication::translate("StartUp", "Nur für hohe Auflösung!"),
            QCoreApplication::translate(
                "StartUp", "Die Auflösung muß mindestens\r800x600 Punkte für Sorbello\rbetragen!")};
    if (otherInstanceRunning)
        return StartRefusal{
            QCoreApplication::translate("StartUp", "Abbruch"),
            QCoreApplication::translate("StartUp", "Noch ein Sorbello? Nein, eines muss reichen!")};
    return std::nullopt;
}

namespace {
QString userLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/sorbello.lock");
}
} // namespace

SingleInstance::SingleInstance() : SingleInstance(userLockPath()) {}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // Never stale by age: a running instance keeps its lock however long it runs. A lock left
    // by a crashed instance is still recognised by its dead process and taken over.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_.tryLock(0);
}
