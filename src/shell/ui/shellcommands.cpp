#include "shellcommands.h"

#include "shell/desktopentry.h"
#include "shell/ownaddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

void offerShortcut(ShortcutPlace place, const ShellEnvironment& shell, QWidget* parent) {
    const QString where = place == ShortcutPlace::Desktop
                              ? QCoreApplication::translate("ShellCommands", "auf dem Desktop")
                              : QCoreApplication::translate("ShellCommands", "im Startmenü");
    const QString question =
        QCoreApplication::translate(
            "ShellCommands", "Sind Sie sicher, daß Sie eine Verknüpfung mit Sorbello %1 erstellen wollen?")
            .arg(where);
    if (QMessageBox::question(parent, QCoreApplication::translate("ShellCommands", "Frage"), question,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    createShortcut(place, shell, parent);
}

void createShortcut(ShortcutPlace place, const ShellEnvironment& shell, QWidget* parent) {
    const DriveType drive = shell.driveTypeOf(shell.executablePath);
    if (drive == DriveType::CdRom) {
        QMessageBox refusal(QMessageBox::NoIcon, QCoreApplication::translate("ShellCommands", "Fehler!"),
                            QCoreApplication::translate("ShellCommands",
                                                        "Eine Verknüpfung zum CD-Rom-Laufwerk ist unsinnig!"),
                            QMessageBox::Ok, parent);
        refusal.exec();
    }
    if (drive != DriveType::Fixed)
        return;
    const bool onDesktop = place == ShortcutPlace::Desktop;
    const QString folder = onDesktop ? shell.folders.desktop : shell.folders.startMenu;
    // Without a folder there is nowhere sensible to put the entry.
    if (folder.isEmpty())
        return;
    const char* fileName = onDesktop ? kDesktopShortcutFileName : kMenuEntryFileName;
    // Earlier versions gave the menu entry the desktop's name; it would show the program twice.
    if (!onDesktop)
        removeOwnDesktopEntry(QDir(folder).filePath(QString::fromLatin1(kDesktopShortcutFileName)));
    writeDesktopEntry(QDir(folder).filePath(QString::fromLatin1(fileName)),
                      QFileInfo(shell.executablePath).absoluteFilePath());
}

void showOwnAddress(const ShellEnvironment& shell, QWidget* parent) {
    QMessageBox::information(parent, QCoreApplication::translate("ShellCommands", "Hinweis"),
                             ownAddressMessage(shell.ownAddress()));
}
