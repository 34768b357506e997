#pragma once

#include "board/boardnarration.h"
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

// Reads the status strip out: the participants, their points and whose turn it is, after
// the cards turned in the running turn or the one before (TurnNarration), which the strip
// does not show.
class StatusNarrator : public QObject {
    Q_OBJECT
public:
    StatusNarrator(const GameState& state, const QImage& sheet, QWidget* statusView);

    QString text() const;
    // Takes note of newly turned cards and announces the text when it changed since the
    // last call. To be called after every card that is turned, whoever turns it.
    void announceChanges();

private:
    const GameState& state_;
    const QImage& sheet_;
    TurnNarration turn_;
    QString announced_;
};
