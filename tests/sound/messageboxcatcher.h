#pragma once

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <vector>

// Closes every message box as soon as it is shown and keeps what it said, so a test can check
// both that a box appeared and that none did.
class MessageBoxCatcher : public QObject {
public:
    struct Seen {
        QString caption, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    std::vector<Seen> seen;

    MessageBoxCatcher() { qApp->installEventFilter(this); }
    ~MessageBoxCatcher() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
        }
        return false;
    }
};
