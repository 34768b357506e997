#include "game/boardnavigation.h"
#include "game/gamestate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One string of 15 characters per row from the top: '#' a face-down card, 'o' a face-up one,
// '.' an empty slot. Rows not given are empty.
GameState lay(bool largeBoard, const std::vector<std::string>& rows) {
    GameState state;
    state.settings.largeBoard = largeBoard;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int column = 0; column < 15; ++column) {
            Card& card = state.cards[row * 15 + column + 1];
            card.present = rows[row][column] != '.';
            card.faceUp = rows[row][column] == 'o';
        }
    return state;
}

struct Step {
    int from;
    BoardMove move;
    int to;
};

void expectSteps(const GameState& state, const std::vector<Step>& steps) {
    for (const Step& s : steps)
        EXPECT_EQ(moveFocus(state, s.from, s.move), s.to)
            << "from " << s.from << " by move " << static_cast<int>(s.move);
}

} // namespace

TEST(BoardNavigation, SmallBoardSkipsEmptyAndFaceUpSlotsWithoutWrapping) {
    const GameState state = lay(false, {
                                           "##.#####.######", // slots 1..15
                                           "...............", // 16..30
                                           "#o...........##", // 31..45
                                           "......#........", // 46..60
                                           "###############", // leftovers of a large game
                                       });
    using enum BoardMove;
    expectSteps(state, {
                           {2, Right, 4},  {8, Right, 10},  {15, Right, 15}, {1, Left, 1},  {31, Right, 44},
                           {32, Left, 31}, {32, Right, 44}, {1, Down, 31},   {7, Down, 31}, {10, Down, 44},
                           {44, Down, 52}, {52, Down, 52},  {52, Up, 31},    {44, Up, 14},  {3, Up, 3},
                           {40, First, 1}, {4, Last, 52},   {0, Right, 1},   {0, Up, 1},    {0, Last, 52},
                           {75, Down, 1},
                       });
}

TEST(BoardNavigation, LargeBoardReachesItsLowerRowsOverEmptyOnes) {
    const GameState state = lay(true, {
                                          "...............", "...............", "...............",
                                          "..#............", // slot 48
                                          "...............", "...............", "...............",
                                          "#.....o......##", // 106, 107 face up, 119, 120
                                      });
    using enum BoardMove;
    expectSteps(state, {
                           {48, Down, 106},
                           {120, Up, 48},
                           {106, Right, 119},
                           {0, Last, 120},
                           {0, First, 48},
                           {107, Up, 48},
                           {120, Down, 120},
                       });
}

TEST(BoardNavigation, FocusSettlesOnATurnableCard) {
    const GameState state =
        lay(false, {"##.#####.######", "...............", "...............", "......#........"});
    EXPECT_EQ(settleFocus(state, 4), 4);
    EXPECT_EQ(settleFocus(state, 3), 4) << "the next card after an empty slot";
    EXPECT_EQ(settleFocus(state, 53), 52) << "the one before when nothing follows";
    EXPECT_EQ(settleFocus(state, 0), 1);
    EXPECT_EQ(settleFocus(state, 90), 1) << "a slot beyond the small board";
    EXPECT_EQ(settleFocus(lay(false, {}), 5), 0);
    EXPECT_EQ(moveFocus(lay(false, {}), 0, BoardMove::Right), 0);
}
