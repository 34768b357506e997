#include "gamestate.h"

#include "gamerandom.h"

#include <algorithm>

namespace {
constexpr int kColumns = 15;
constexpr int kPitch = 43;
constexpr int kMargin = 10;
} // namespace

void PendingCards::append(qint32 motif, qint32 slot) {
    // A turn never opens more than three cards; a fourth would be a flow error, not a card to show.
    if (count_ < kMaxPendingCards)
        entries_[count_++] = {motif, slot};
}

GameState::GameState() {
    computeSlotPositions(*this);
}

const Player& GameState::current() const {
    static const Player nobody;
    if (currentPlayer < 1 || currentPlayer > kMaxPlayers)
        return nobody;
    return players[currentPlayer];
}

bool GameState::currentIsLocalHuman() const {
    const Player& p = current();
    return !p.isComputer && !p.isNetwork;
}

bool GameState::currentIsNetwork() const {
    return current().isNetwork;
}

int slotLeft(int slot) {
    return ((slot - 1) % kColumns) * kPitch + kMargin;
}
int slotTop(int slot) {
    return ((slot - 1) / kColumns) * kPitch + kMargin;
}

void computeSlotPositions(GameState& state) {
    for (int k = 1; k <= kSlotCount; ++k) {
        Card& card = state.cards[k];
        card.left = slotLeft(k);
        card.top = slotTop(k);
        card.present = false;
        card.faceUp = false;
    }
}

bool isTurnable(const GameState& state, int slot) {
    // Only the slots of the current board: leftovers of an earlier large game may still be
    // marked present beyond slot 60, and no card may be turned there in a small game.
    if (slot < 1 || slot > state.cardCount())
        return false;
    const Card& card = state.cards[slot];
    return card.present && !card.faceUp;
}

int hitTest(const GameState& state, int x, int y) {
    const int n = state.cardCount();
    for (int k = 1; k <= n; ++k) {
        const Card& card = state.cards[k];
        // Strict bounds: the outermost pixel row and column of a card do not count.
        if (card.left < x && x < card.left + kCardSize && card.top < y && y < card.top + kCardSize &&
            isTurnable(state, k))
            return k;
    }
    return 0;
}

int randomCard(const GameState& state, int n, GameRandom& random) {
    n = std::clamp(n, 1, kSlotCount);
    bool anyFree = false;
    for (int k = 1; k <= n && !anyFree; ++k)
        anyFree = state.cards[k].present && !state.cards[k].faceUp;
    // Without a free slot the draw would never end; no card is the bounded answer.
    if (!anyFree)
        return 0;
    for (;;) {
        const int slot = random.below(n) + 1;
        const Card& card = state.cards[slot];
        if ((card.present && !card.faceUp) || state.abortRequested)
            return slot;
    }
}

int knownGroups(const GameState& state) {
    std::array<int, 61> counters{};
    const int n = state.cardCount();
    for (int k = 1; k <= n; ++k) {
        const Card& card = state.cards[k];
        if (card.present && card.revealCount > 0 && card.motif >= 1 && card.motif <= 60)
            ++counters[card.motif];
    }
    const int needed = state.settings.groupSize == 3 ? 3 : 2;
    int known = 0;
    for (int m = 1; m <= 60; ++m)
        if (counters[m] >= needed)
            ++known;
    return known;
}

GameResult decideResult(const GameState& state) {
    GameResult result;
    qint32 best = 0;
    for (int p = 1; p <= state.playerCount; ++p) {
        if (state.players[p].score > best) {
            result.winner = p;
            best = state.players[p].score;
        }
    }
    for (int p = 1; p <= state.playerCount; ++p) {
        if (p != result.winner && state.players[p].score == best)
            result.draw = true;
    }
    return result;
}

int groupsForBoard(bool largeBoard, int groupSize) {
    const int cards = largeBoard ? 120 : 60;
    return cards / (groupSize == 3 ? 3 : 2);
}

void turnAllFaceDown(GameState& state) {
    for (int k = 1; k <= kSlotCount; ++k)
        state.cards[k].faceUp = false;
}
