#pragma once

#include "game/gamestate.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// What a sighted player reads off the board and the status strip, as text for screen readers.

// Slot `slot` of the current board: "leer", "Karte 12, verdeckt", or for a face-up card its
// face: "Karte 12: Flugzeug" (a built-in picture), "Karte 12: Zahl 19", "Karte 12: Bild 7"
// (a picture of a sheet file).
QString slotName(const GameState& state, const QImage& sheet, int slot);

// The status strip: every participant with points and kind, and whose turn it is.
QString statusText(const GameState& state);

// Who turned which cards in the running turn, and once it is over, in the turn before until
// the next card is turned: "Spieler 2 deckt auf: Karte 12, Flugzeug; Karte 40, Haus", then
// "Spieler 2 deckte auf: ...". The cards of another player may be up for a moment only; here
// they can still be read when they are face down again or gone.
class TurnNarration {
public:
    // Takes note of the cards that have come face up since the last call.
    void update(const GameState& state, const QImage& sheet);
    // Empty while no game runs and before its first card.
    QString text(const GameState& state) const;

private:
    bool turnRunning(const GameState& state) const;
    void clear();

    quint32 generation_ = 0;
    // Set once none of the noted cards is face up: the next card turned begins a new turn.
    bool turnOver_ = false;
    int playerNumber_ = 0;
    QString player_;
    QList<int> slots_;
    QStringList cards_;
};
