#include "game/gamerandom.h"
#include "game/gamestate.h"

#include <gtest/gtest.h>

namespace {

void dealTrivially(GameState& state, bool large, int groupSize) {
    state.settings.largeBoard = large;
    state.settings.groupSize = groupSize;
    const int n = state.cardCount();
    const int groups = n / groupSize;
    for (int k = 1; k <= n; ++k) {
        state.cards[k].present = true;
        state.cards[k].faceUp = false;
        state.cards[k].revealCount = 0;
        state.cards[k].motif = (k - 1) % groups + 1;
    }
}

TEST(BoardGeometry, SlotsLieOnA43PixelGridFromTen) {
    const GameState state;
    const struct {
        int slot, left, top;
    } expected[] = {{1, 10, 10}, {15, 612, 10}, {16, 10, 53}, {60, 612, 139}, {120, 612, 311}};
    for (const auto& e : expected) {
        EXPECT_EQ(state.cards[e.slot].left, e.left) << e.slot;
        EXPECT_EQ(state.cards[e.slot].top, e.top) << e.slot;
    }
    for (int k = 1; k <= kSlotCount; ++k) {
        EXPECT_FALSE(state.cards[k].present);
        EXPECT_FALSE(state.cards[k].faceUp);
    }
    EXPECT_EQ(state.cards[120].left + kCardSize, 652)
        << "the right-most card ends inside the 662-pixel board";
}

TEST(HitTest, OnlyTheStrictInteriorOfATurnableCardCounts) {
    GameState state;
    dealTrivially(state, false, 2);
    // Slot 17 lies at (53, 53).
    EXPECT_EQ(hitTest(state, 54, 54), 17);
    EXPECT_EQ(hitTest(state, 92, 92), 17);
    EXPECT_EQ(hitTest(state, 53, 70), 0) << "left edge pixel";
    EXPECT_EQ(hitTest(state, 70, 53), 0) << "top edge pixel";
    EXPECT_EQ(hitTest(state, 93, 70), 0) << "in the gap between cards";
    EXPECT_EQ(hitTest(state, 95, 70), 0) << "in the gap between cards";
    EXPECT_EQ(hitTest(state, 96, 70), 0) << "the next card's left edge";
    EXPECT_EQ(hitTest(state, 97, 70), 18);
    EXPECT_EQ(hitTest(state, 5, 5), 0) << "margin";

    state.cards[17].faceUp = true;
    EXPECT_EQ(hitTest(state, 70, 70), 0) << "a face-up card cannot be turned";
    state.cards[17].faceUp = false;
    state.cards[17].present = false;
    EXPECT_EQ(hitTest(state, 70, 70), 0) << "a removed card cannot be turned";
}

TEST(HitTest, LeftoversOfALargeGameAreOutOfReachInASmallOne) {
    GameState state;
    dealTrivially(state, true, 2);
    dealTrivially(state, false, 2);
    ASSERT_TRUE(state.cards[61].present);
    EXPECT_EQ(hitTest(state, state.cards[61].left + 5, state.cards[61].top + 5), 0);
    state.settings.largeBoard = true;
    EXPECT_EQ(hitTest(state, state.cards[61].left + 5, state.cards[61].top + 5), 61);
}

TEST(RandomCard, DrawsOnlyTurnableSlotsOfTheBoard) {
    GameState state;
    dealTrivially(state, false, 2);
    for (int k = 1; k <= 60; ++k)
        state.cards[k].present = (k == 7 || k == 42);
    state.cards[42].faceUp = true;
    GameRandom random(5);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(randomCard(state, 60, random), 7);
}

TEST(RandomCard, EndsWhenThereIsNothingToDrawOrTheGameIsAborted) {
    GameState state;
    dealTrivially(state, false, 2);
    for (int k = 1; k <= 60; ++k)
        state.cards[k].present = false;
    GameRandom random(5);
    EXPECT_EQ(randomCard(state, 60, random), 0);

    state.cards[3].present = true;
    state.abortRequested = true;
    const int slot = randomCard(state, 60, random);
    EXPECT_GE(slot, 1);
    EXPECT_LE(slot, 60);
}

TEST(KnownGroups, CountsGroupsWhoseCardsHaveAllBeenSeen) {
    GameState state;
    dealTrivially(state, false, 2); // motif m on slots m and m + 30
    EXPECT_EQ(knownGroups(state), 0);
    state.cards[1].revealCount = 1;
    EXPECT_EQ(knownGroups(state), 0) << "one card of a pair is not a known pair";
    state.cards[31].revealCount = 4;
    EXPECT_EQ(knownGroups(state), 1);
    state.cards[1].present = state.cards[31].present = false;
    EXPECT_EQ(knownGroups(state), 0) << "found groups no longer count";
}

TEST(KnownGroups, ATripleIsKnownOnlyWhenAllThreeCardsWereSeen) {
    GameState state;
    dealTrivially(state, false, 3); // motif m on slots m, m + 20, m + 40
    state.cards[5].revealCount = 1;
    state.cards[25].revealCount = 1;
    EXPECT_EQ(knownGroups(state), 0);
    state.cards[45].revealCount = 1;
    EXPECT_EQ(knownGroups(state), 1);
}

TEST(DecideResult, HighestScoreWinsAndASharedTopScoreIsADraw) {
    const struct {
        std::vector<int> scores;
        int winner;
        bool draw;
    } cases[] = {
        {{15, 15}, 1, true},      {{16, 7, 7}, 1, false}, {{3, 9, 9, 9}, 2, true},
        {{1, 2, 3, 4}, 4, false}, {{12}, 1, false},       {{4, 9, 2}, 2, false},
    };
    for (const auto& c : cases) {
        GameState state;
        state.playerCount = static_cast<int>(c.scores.size());
        for (int p = 1; p <= state.playerCount; ++p)
            state.players[p].score = c.scores[p - 1];
        const GameResult result = decideResult(state);
        EXPECT_EQ(result.winner, c.winner) << ::testing::PrintToString(c.scores);
        EXPECT_EQ(result.draw, c.draw) << ::testing::PrintToString(c.scores);
    }
}

TEST(DecideResult, OnlyTheParticipantsOfThisGameCount) {
    GameState state;
    state.playerCount = 2;
    state.players[1].score = 10;
    state.players[2].score = 5;
    state.players[3].score = 10; // left over from an earlier game with three participants
    EXPECT_FALSE(decideResult(state).draw);
}

TEST(GroupsForBoard, MatchesTheBoardTable) {
    EXPECT_EQ(groupsForBoard(false, 2), 30);
    EXPECT_EQ(groupsForBoard(true, 2), 60);
    EXPECT_EQ(groupsForBoard(false, 3), 20);
    EXPECT_EQ(groupsForBoard(true, 3), 40);
}

TEST(PendingCards, HoldsAtMostThreeCardsInTurningOrder) {
    PendingCards pending;
    pending.append(4, 10);
    pending.append(4, 20);
    pending.append(4, 30);
    pending.append(9, 40);
    ASSERT_EQ(pending.count(), 3);
    EXPECT_EQ(pending.at(0).slot, 10);
    EXPECT_EQ(pending.at(2).slot, 30);
    pending.clear();
    EXPECT_EQ(pending.count(), 0);
}

} // namespace
