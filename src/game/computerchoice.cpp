#include "computerchoice.h"

#include "gamestate.h"

#include <algorithm>

namespace {

bool isCandidate(const Card& card, int threshold) {
    return card.present && !card.faceUp && card.revealCount > threshold;
}

// Motifs of a dealt board run from 1 to at most 60; anything else is never a known group.
constexpr int kMaxMotif = kSlotCount;

bool validMotif(int motif) {
    return motif >= 1 && motif <= kMaxMotif;
}

// Candidates per motif over slots 1..n.
std::array<int, kMaxMotif + 1> candidateCounts(const GameState& state, int n, int threshold) {
    std::array<int, kMaxMotif + 1> counts{};
    for (int k = 1; k <= n; ++k) {
        const Card& card = state.cards[k];
        if (isCandidate(card, threshold) && validMotif(card.motif))
            ++counts[card.motif];
    }
    return counts;
}

} // namespace

int computerThreshold(int level) {
    switch (level) {
    case 1:
        return 5;
    case 2:
        return 2;
    default:
        return 0;
    }
}

int knownPairStart(const GameState& state, int n, int threshold) {
    n = std::clamp(n, 0, kSlotCount);
    const auto counts = candidateCounts(state, n, threshold);
    for (int k = n; k >= 1; --k) {
        const Card& card = state.cards[k];
        if (isCandidate(card, threshold) && validMotif(card.motif) && counts[card.motif] >= 2)
            return k;
    }
    return 0;
}

int knownPartner(const GameState& state, int n, int threshold, int motif) {
    n = std::clamp(n, 0, kSlotCount);
    for (int k = n; k >= 1; --k)
        if (isCandidate(state.cards[k], threshold) && state.cards[k].motif == motif)
            return k;
    return 0;
}

std::array<int, 3> knownTriple(const GameState& state, int n, int threshold) {
    n = std::clamp(n, 0, kSlotCount);
    const auto counts = candidateCounts(state, n, threshold);
    int motif = 0;
    for (int k = n; k >= 1 && motif == 0; --k) {
        const Card& card = state.cards[k];
        if (isCandidate(card, threshold) && validMotif(card.motif) && counts[card.motif] >= 3)
            motif = card.motif;
    }
    std::array<int, 3> picks{};
    int found = 0;
    for (int k = n; k >= 1 && motif != 0 && found < 3; --k)
        if (isCandidate(state.cards[k], threshold) && state.cards[k].motif == motif)
            picks[found++] = k;
    return picks;
}
