#include "game/dealing.h"
#include "game/gamerandom.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<int, int> motifCounts(const GameState& state) {
    std::map<int, int> counts;
    for (int k = 1; k <= state.cardCount(); ++k)
        ++counts[state.cards[k].motif];
    return counts;
}

TEST(DealBoard, EveryMotifLiesGroupSizeTimesOnEachBoard) {
    const struct {
        bool large;
        int groupSize;
        int groups;
    } boards[] = {{false, 2, 30}, {true, 2, 60}, {false, 3, 20}, {true, 3, 40}};
    for (const auto& b : boards) {
        GameState state;
        state.settings.largeBoard = b.large;
        state.settings.groupSize = b.groupSize;
        GameRandom random(42);
        dealBoard(state, random);
        EXPECT_EQ(state.remainingGroups, b.groups);
        const auto counts = motifCounts(state);
        ASSERT_EQ(static_cast<int>(counts.size()), b.groups);
        EXPECT_EQ(counts.begin()->first, 1);
        EXPECT_EQ(counts.rbegin()->first, b.groups);
        for (const auto& [motif, count] : counts)
            EXPECT_EQ(count, b.groupSize) << "motif " << motif;
        for (int k = 1; k <= state.cardCount(); ++k) {
            EXPECT_TRUE(state.cards[k].present);
            EXPECT_FALSE(state.cards[k].faceUp);
            EXPECT_EQ(state.cards[k].revealCount, 0);
        }
    }
}

TEST(DealBoard, ShufflesAndTheSeedDecidesTheDeal) {
    auto deal = [](quint32 seed) {
        GameState state;
        GameRandom random(seed);
        dealBoard(state, random);
        std::vector<int> motifs;
        for (int k = 1; k <= 60; ++k)
            motifs.push_back(state.cards[k].motif);
        return motifs;
    };
    EXPECT_EQ(deal(7), deal(7));
    EXPECT_NE(deal(7), deal(8));
    std::vector<int> sorted;
    for (int k = 1; k <= 60; ++k)
        sorted.push_back((k - 1) % 30 + 1);
    EXPECT_NE(deal(7), sorted);
}

TEST(DealBoard, SlotsBeyondTheBoardKeepWhatTheyHeld) {
    GameState state;
    state.cards[61].present = true;
    state.cards[61].motif = 55;
    state.cards[61].revealCount = 3;
    GameRandom random(1);
    dealBoard(state, random);
    EXPECT_TRUE(state.cards[61].present);
    EXPECT_EQ(state.cards[61].motif, 55);
    EXPECT_EQ(state.cards[61].revealCount, 3);
}

TEST(ShuffleByKeys, EqualKeysKeepTheDealtOrder) {
    GameState state;
    state.settings.groupSize = 2;
    GameRandom random(3);
    dealBoard(state, random);
    for (int k = 1; k <= 60; ++k)
        state.cards[k].motif = (k - 1) % 30 + 1;
    shuffleByKeys(state, std::vector<int>(60, 500));
    for (int k = 1; k <= 60; ++k)
        EXPECT_EQ(state.cards[k].motif, (k - 1) % 30 + 1);
}

TEST(ShuffleByKeys, SortsMotifsByAscendingKeyStably) {
    GameState state;
    for (int k = 1; k <= 5; ++k)
        state.cards[k].motif = k * 10;
    shuffleByKeys(state, {30, 10, 30, 5, 10});
    const int expected[] = {40, 20, 50, 10, 30};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(state.cards[k].motif, expected[k - 1]) << "slot " << k;
}

TEST(PrepareTallies, OneFreshEntryPerParticipantWithTenCharacterNames) {
    GameState state;
    state.playerCount = 2;
    state.players[1].name = QStringLiteral("Maximilian-Alexander");
    state.players[2].name = QStringLiteral("Eva");
    GameTallies tallies;
    tallies[1].wins = 9;
    tallies[2].misses = 4;
    prepareTallies(state, tallies);
    EXPECT_EQ(tallies[1].name, QStringLiteral("Maximilian"));
    EXPECT_EQ(tallies[2].name, QStringLiteral("Eva"));
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(tallies[p].games, 1);
        EXPECT_EQ(tallies[p].wins, 0);
        EXPECT_EQ(tallies[p].pairsFound, 0);
        EXPECT_EQ(tallies[p].misses, 0);
    }
}

} // namespace
