#pragma once

struct GameState;

// The keys that move the keyboard focus over the board.
enum class BoardMove { Left, Right, Up, Down, First, Last };

// The slot the keyboard focus moves to from `from`. Only present, face-down cards of the
// current board are stops: Left and Right go to the next one along the row, Up and Down to
// the nearest row above or below that has one, there to the one nearest in column; First and
// Last go to the first and last one of the board. Where there is none that way the focus stays
// at `from`, without wrapping round. From 0 (no focus yet) or a slot beyond the board, Last
// goes to the last card and every other move to the first; 0 when the board has none.
int moveFocus(const GameState& state, int from, BoardMove move);

// `slot` while its card can be turned, else the next one after it that can, else the nearest
// one before it; 0 when the board has none.
int settleFocus(const GameState& state, int slot);
