#pragma once

#include "game/gamestate.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>

class QWidget;

// Reads the board view out to assistive technology: each slot of the running game is a cell
// named as boardnarration.h says. Lives as a child of the board view, where the accessibility
// factory finds it.
class BoardNarrator : public QObject {
    Q_OBJECT
public:
    BoardNarrator(const GameState& state, const QImage& sheet, QWidget* boardView);

    QWidget* view() const;
    // The slots of the current board while a game runs, else none.
    int cellCount() const;
    QString cellName(int slot) const;
    // Where the slot's card lies in the board view.
    QRect cellRect(int slot) const;

    // Announces every cell whose name changed since the last call, or a new table when the
    // number of cells changed.
    void announceChanges();

private:
    const GameState& state_;
    const QImage& sheet_;
    QStringList announced_;
};

// Reads the status strip out: the participants, their points and whose turn it is.
class StatusNarrator : public QObject {
    Q_OBJECT
public:
    StatusNarrator(const GameState& state, QWidget* statusView);

    QString text() const;
    // Announces the text when it changed since the last call.
    void announceChanges();

private:
    const GameState& state_;
    QString announced_;
};
