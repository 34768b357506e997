#pragma once

#include <QString>

#include <functional>

struct GameState;

// The game state as text for following a game from the inside: the participant count, every
// slot's marks ("V" present, "A" face up), six slots to a line, the participant to move and
// the cards turned in this turn. Lines end in CR LF.
QString debugDumpText(const GameState& state);

// Where the dump text is shown.
using DumpDisplay = std::function<void(const QString& text)>;
