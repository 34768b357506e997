#pragma once

#include <QString>

struct GameState;

// The game state as text for following a game from the inside: the participant count, every
// slot's marks ("V" present, "A" face up), six slots to a line, the participant to move and
// the cards turned in this turn. Lines end in CR LF.
QString debugDumpText(const GameState& state);
