#include "modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {
void poll(std::function<void(QWidget*)> handle, int triesLeft) {
    QTimer::singleShot(5, [handle = std::move(handle), triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal)
            handle(modal);
        else if (triesLeft > 0)
            poll(std::move(handle), triesLeft - 1);
    });
}
} // namespace

void onNextModal(std::function<void(QWidget*)> handle) {
    poll(std::move(handle), 400);
}

void answerNextMessageBox(int standardButton) {
    onNextModal([standardButton](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        box->button(static_cast<QMessageBox::StandardButton>(standardButton))->click();
    });
}
