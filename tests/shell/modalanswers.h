#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <vector>

// Answers every modal window that opens while it lives: a message box with the next queued
// button (OK when none is queued), anything else is closed. What it saw stays for checks, and
// once it is gone nothing is left armed for the next test.
class ModalAnswers {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };

    explicit ModalAnswers(std::deque<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    std::vector<Seen> seen;

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            seen.push_back({modal->windowTitle(), {}, QMessageBox::NoIcon, {}});
            modal->close();
            return;
        }
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        QMessageBox::StandardButton button = QMessageBox::Ok;
        if (!answers_.empty()) {
            button = answers_.front();
            answers_.pop_front();
        }
        box->button(button)->click();
    }

    std::deque<QMessageBox::StandardButton> answers_;
    QTimer timer_;
};
