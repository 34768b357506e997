#include "invalidsettingmessage.h"

#include <QCoreApplication>
#include <QMessageBox>

void showInvalidSetting(QWidget* parent, const QString& name, const QString& text) {
    QMessageBox::critical(
        parent, QCoreApplication::translate("InvalidSettingMessage", "Fehler"),
        QCoreApplication::translate("InvalidSettingMessage",
                                    "Die gespeicherte Einstellung \"%1\" ist keine ganze Zahl: '%2'.\r"
                                    "Sie wird nicht verwendet.")
            .arg(name, text));
}
