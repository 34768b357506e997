#include "invalidsettingmessage.h"

#include <QMessageBox>

void showInvalidSetting(QWidget* parent, const QString& name, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Fehler"),
                          QStringLiteral("Die gespeicherte Einstellung \"%1\" ist keine ganze Zahl: '%2'.\r"
                                         "Sie wird nicht verwendet.")
                              .arg(name, text));
}
