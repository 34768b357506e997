#include "openmessage.h"

QMessageBox* openMessage(QMessageBox::Icon icon, const QString& title, const QString& text, QWidget* parent) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->show();
    return box;
}
