#include "dumpwindow.h"

#include <QLabel>

void showDumpInOwnWindow(const QString& text) {
    auto* window = new QLabel;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    window->setWindowTitle(QStringLiteral("Ablauf..."));
    window->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window->setMargin(8);
    window->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    window->resize(424, 400);
    window->show();
}
