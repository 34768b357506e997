#include "boardnavigation.h"

#include "gamestate.h"

#include <cstdlib>

namespace {

constexpr int kColumns = 15;

int rowOf(int slot) {
    return (slot - 1) / kColumns;
}
int columnOf(int slot) {
    return (slot - 1) % kColumns;
}

// The first turnable slot from `slot` on in steps of `step`, staying within first..last; 0 if none.
int scan(const GameState& state, int slot, int step, int first, int last) {
    for (; slot >= first && slot <= last; slot += step)
        if (isTurnable(state, slot))
            return slot;
    return 0;
}

// The turnable slot of `row` nearest to `column`, the left one of two equally near; 0 if none.
int nearestInRow(const GameState& state, int row, int column) {
    int best = 0;
    for (int c = 0; c < kColumns; ++c) {
        const int slot = row * kColumns + c + 1;
        if (isTurnable(state, slot) &&
            (best == 0 || std::abs(c - column) < std::abs(columnOf(best) - column)))
            best = slot;
    }
    return best;
}

int alongRow(const GameState& state, int from, int step) {
    const int rowStart = rowOf(from) * kColumns + 1;
    return scan(state, from + step, step, rowStart, rowStart + kColumns - 1);
}

int acrossRows(const GameState& state, int from, int step) {
    const int rows = state.cardCount() / kColumns;
    for (int row = rowOf(from) + step; row >= 0 && row < rows; row += step)
        if (const int slot = nearestInRow(state, row, columnOf(from)))
            return slot;
    return 0;
}

int target(const GameState& state, int from, BoardMove move) {
    const int n = state.cardCount();
    switch (move) {
    case BoardMove::Left:
        return alongRow(state, from, -1);
    case BoardMove::Right:
        return alongRow(state, from, 1);
    case BoardMove::Up:
        return acrossRows(state, from, -1);
    case BoardMove::Down:
        return acrossRows(state, from, 1);
    case BoardMove::First:
        return scan(state, 1, 1, 1, n);
    case BoardMove::Last:
        return scan(state, n, -1, 1, n);
    }
    return 0;
}

} // namespace

int moveFocus(const GameState& state, int from, BoardMove move) {
    const int n = state.cardCount();
    if (from < 1 || from > n)
        return target(state, 0, move == BoardMove::Last ? BoardMove::Last : BoardMove::First);
    const int to = target(state, from, move);
    return to != 0 ? to : from;
}

int settleFocus(const GameState& state, int slot) {
    const int n = state.cardCount();
    if (slot < 1 || slot > n)
        return scan(state, 1, 1, 1, n);
    if (const int ahead = scan(state, slot, 1, 1, n))
        return ahead;
    return scan(state, slot - 1, -1, 1, n);
}
