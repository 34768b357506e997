#include "dealing.h"

#include "gamerandom.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kMaxShuffleKey = 15000;

void dealSorted(GameState& state, int n, int groupSize) {
    const int groups = n / groupSize;
    for (int m = 1; m <= groups; ++m)
        for (int copy = 0; copy < groupSize; ++copy)
            state.cards[copy * groups + m].motif = m;
    for (int k = 1; k <= n; ++k) {
        Card& card = state.cards[k];
        card.present = true;
        card.faceUp = false;
        card.revealCount = 0;
    }
}
} // namespace

void dealBoard(GameState& state, GameRandom& random) {
    const int n = state.cardCount();
    const int groupSize = state.settings.groupSize == 3 ? 3 : 2;
    state.remainingGroups = groupsForBoard(state.settings.largeBoard, groupSize);
    dealSorted(state, n, groupSize);

    std::vector<int> keys(n);
    for (int& key : keys)
        key = random.below(kMaxShuffleKey) + 1;
    shuffleByKeys(state, std::move(keys));
}

void shuffleByKeys(GameState& state, std::vector<int> keys) {
    // A bubble sort on purpose: it is stable, so a deal with equal keys keeps its order.
    const int n = std::min(static_cast<int>(keys.size()), kSlotCount);
    for (int pass = 1; pass < n; ++pass) {
        for (int j = 1; j < n; ++j) {
            if (keys[j] < keys[j - 1]) {
                std::swap(keys[j], keys[j - 1]);
                std::swap(state.cards[j + 1].motif, state.cards[j].motif);
            }
        }
    }
}

void prepareTallies(const GameState& state, GameTallies& tallies) {
    for (int p = 1; p <= state.playerCount && p < static_cast<int>(tallies.size()); ++p) {
        StatEntry& tally = tallies[p];
        tally.name = state.players[p].name.left(10);
        tally.games = 1;
        tally.wins = 0;
        tally.pairsFound = 0;
        tally.misses = 0;
    }
}

void beginGame(GameState& state) {
    state.currentPlayer = 1;
    state.turnCardCount = 0;
    state.gameRunning = true;
    ++state.gameGeneration;
}
