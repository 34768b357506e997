#include "shellenvironment.h"

#include "ownaddress.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QStandardPaths>

ShellEnvironment realShellEnvironment() {
    ShellEnvironment shell;
    shell.executablePath = QCoreApplication::applicationFilePath();
    shell.folders.desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    shell.folders.startMenu = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    shell.driveTypeOf = driveTypeOfPath;
    shell.ownAddress = lookUpOwnAddress;
    shell.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return shell;
}

void openHomepage(const ShellEnvironment& shell) {
    shell.openUrl(QUrl(QString::fromLatin1(kHomepageUrl)));
}
