#include "writefailuremessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

void showWriteFailure(QWidget* parent, const QString& path, const QString& reason) {
    QMessageBox::critical(parent, QCoreApplication::translate("WriteFailureMessage", "Fehler!"),
                          QCoreApplication::translate(
                              "WriteFailureMessage", "Die Datei \"%1\" konnte nicht gespeichert werden:\r%2\r"
                                                     "Die neuen Ergebnisse fehlen deshalb darin.")
                              .arg(QDir::toNativeSeparators(path), reason));
}
