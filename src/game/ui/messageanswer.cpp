#include "messageanswer.h"

#include "timing/notifier.h"

#include <QPointer>

namespace {
// The box belongs to the task's frame; should its parent go first, the parent takes it along.
struct OwnedBox {
    QPointer<QMessageBox> box;
    ~OwnedBox() { delete box.data(); }
};
} // namespace

Task<QMessageBox::StandardButton> messageAnswer(QWidget* parent, QMessageBox::Icon icon, QString title,
                                                QString text, QMessageBox::StandardButtons buttons) {
    const OwnedBox owned{new QMessageBox(icon, title, text, buttons, parent)};
    QMessageBox* box = owned.box;
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    co_await nextSignal(box, &QDialog::finished);
    if (!owned.box)
        co_return QMessageBox::NoButton;
    QAbstractButton* pressed = box->clickedButton();
    co_return pressed ? box->standardButton(pressed) : QMessageBox::NoButton;
}
