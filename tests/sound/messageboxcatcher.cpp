#include "messageboxcatcher.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

MessageBoxCatcher::MessageBoxCatcher() {
    qApp->installEventFilter(this);
}

MessageBoxCatcher::~MessageBoxCatcher() {
    qApp->removeEventFilter(this);
}

bool MessageBoxCatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
        }
    }
    return false;
}
