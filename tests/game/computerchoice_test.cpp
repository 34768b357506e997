#include "game/computerchoice.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"

#include <gtest/gtest.h>

namespace {

bool candidate(const Card& card, int t) {
    return card.present && !card.faceUp && card.revealCount > t;
}

// The searches written as plain loops over all slots: the last match found wins.
int loopsPairStart(const GameState& s, int n, int t) {
    int first = 0;
    for (int i = 1; i <= n; ++i)
        if (candidate(s.cards[i], t))
            for (int j = 1; j <= n; ++j)
                if (j != i && candidate(s.cards[j], t) && s.cards[j].motif == s.cards[i].motif)
                    first = i;
    return first;
}

std::array<int, 3> loopsTriple(const GameState& s, int n, int t) {
    std::array<int, 3> picks{};
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            for (int k = 1; k <= n; ++k)
                if (candidate(s.cards[i], t) && candidate(s.cards[j], t) && candidate(s.cards[k], t) &&
                    s.cards[i].motif == s.cards[j].motif && s.cards[j].motif == s.cards[k].motif && i != j &&
                    j != k && i != k)
                    picks = {i, j, k};
    return picks;
}

// A board in the middle of a game: some groups found, some cards open, reveal counts spread
// around the thresholds.
GameState randomBoard(GameRandom& random, bool large, int groupSize) {
    GameState state;
    state.settings.largeBoard = large;
    state.settings.groupSize = groupSize;
    const int n = state.cardCount();
    const int groups = n / groupSize;
    for (int k = 1; k <= n; ++k) {
        Card& card = state.cards[k];
        card.motif = random.below(groups) + 1;
        card.present = random.below(5) != 0;
        card.faceUp = card.present && random.below(20) == 0;
        card.revealCount = random.below(9);
    }
    return state;
}

TEST(ComputerChoice, FindsExactlyWhatTheLoopsOverAllSlotsFind) {
    GameRandom random(2024);
    int pairsFound = 0;
    int triplesFound = 0;
    for (int round = 0; round < 400; ++round) {
        const bool large = round % 2 == 0;
        const int groupSize = round % 4 < 2 ? 2 : 3;
        const GameState state = randomBoard(random, large, groupSize);
        const int n = state.cardCount();
        for (int t : {0, 2, 5}) {
            const int start = knownPairStart(state, n, t);
            ASSERT_EQ(start, loopsPairStart(state, n, t)) << "round " << round << " threshold " << t;
            pairsFound += start != 0;
            if (groupSize == 3 && round % 8 < 4) { // the plain triple loops are slow; half the boards do
                const auto triple = knownTriple(state, n, t);
                ASSERT_EQ(triple, loopsTriple(state, n, t)) << "round " << round << " threshold " << t;
                triplesFound += triple[0] != 0;
            }
        }
    }
    EXPECT_GT(pairsFound, 100) << "the boards must give the searches something to find";
    EXPECT_GT(triplesFound, 20);
}

TEST(ComputerChoice, ThresholdsByLevel) {
    EXPECT_EQ(computerThreshold(1), 5);
    EXPECT_EQ(computerThreshold(2), 2);
    EXPECT_EQ(computerThreshold(3), 0);
}

TEST(ComputerChoice, APartnerIsTheHighestKnownCardOfTheMotif) {
    GameState state;
    for (int k : {4, 9, 30}) {
        state.cards[k].present = true;
        state.cards[k].motif = 7;
        state.cards[k].revealCount = 3;
    }
    state.cards[30].faceUp = true;
    EXPECT_EQ(knownPartner(state, 60, 2, 7), 9);
    EXPECT_EQ(knownPartner(state, 60, 3, 7), 0) << "seen three times is not more than three";
    EXPECT_EQ(knownPartner(state, 60, 2, 8), 0);
}

} // namespace
