#include "sheetsavedialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

SheetSaveDialog::SheetSaveDialog(QWidget* parent, const QString& folder)
    : QFileDialog(parent, QString(), folder, tr("Paarlobilddateien (*.pbd)")) {
    // The checks run in accept(), which a platform's own dialog would pass by.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(QStringLiteral("pbd"));
}

void SheetSaveDialog::accept() {
    const QString chosen = selectedFiles().value(0);
    const QFileInfo file(chosen);
    // A folder's name opens the folder; Qt's dialog does that itself.
    if (chosen.isEmpty() || file.isDir()) {
        QFileDialog::accept();
        return;
    }
    if (!QFileInfo(file.absolutePath()).isDir()) {
        reportMissingFolder(file.absolutePath());
        return;
    }
    if (!file.exists() && !confirmNewFile(file.fileName()))
        return;
    QFileDialog::accept();
}

bool SheetSaveDialog::confirmNewFile(const QString& fileName) {
    return QMessageBox::question(this, tr("Frage..."),
                                 tr("Die Datei \"%1\" gibt es noch nicht.\n"
                                    "Wollen Sie sie erstellen?")
                                     .arg(fileName),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void SheetSaveDialog::reportMissingFolder(const QString& folder) {
    QMessageBox box(QMessageBox::NoIcon, tr("Fehler!"),
                    tr("Den Ordner \"%1\" gibt es nicht.\n"
                       "Bitte wählen Sie einen vorhandenen Ordner.")
                        .arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::Ok, this);
    box.exec();
}
