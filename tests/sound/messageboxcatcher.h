#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <vector>

// Closes every message box as soon as it is shown and keeps what it said, so a test can check
// both that a box appeared and that none did.
class MessageBoxCatcher : public QObject {
public:
    struct Seen {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    MessageBoxCatcher();
    ~MessageBoxCatcher() override;

    std::vector<Seen> seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
