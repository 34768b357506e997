#pragma once

#include "game/gamestate.h"

#include <QImage>
#include <QString>

// What a sighted player reads off the board and the status strip, as text for screen readers.

// Slot `slot` of the current board: "leer", "Karte 12, verdeckt", or for a face-up card its
// face: "Karte 12: Flugzeug" (a built-in picture), "Karte 12: Zahl 19", "Karte 12: Bild 7"
// (a picture of a sheet file).
QString slotName(const GameState& state, const QImage& sheet, int slot);

// The status strip: every participant with points and kind, and whose turn it is.
QString statusText(const GameState& state);
