#include "game/arena.h"

#include <gtest/gtest.h>

namespace {

TEST(Arena, PlaysEveryGameToTheEndAndCountsEachResultOnce) {
    for (const int groupSize : {2, 3}) {
        ArenaConfig config;
        config.levels = {3, 2, 1};
        config.groupSize = groupSize;
        config.largeBoard = groupSize == 3;
        config.games = 12;
        const ArenaResult result = runArena(config);
        EXPECT_EQ(result.games, 12);
        EXPECT_EQ(result.unfinished, 0);
        long long points = 0;
        int decided = 0;
        for (const ArenaStanding& s : result.standings) {
            points += s.points;
            decided += s.wins;
        }
        const int groups = (config.largeBoard ? 120 : 60) / groupSize;
        EXPECT_EQ(points, 12LL * groups) << "every group of every game is scored once";
        EXPECT_LE(decided, 12);
        EXPECT_EQ(result.standings[0].name, "Computer-Spieler (Unbesiegbar)");
    }
}

TEST(Arena, TheSameSeedPlaysTheSameGames) {
    ArenaConfig config;
    config.levels = {2, 2};
    config.games = 5;
    config.seed = 77;
    const ArenaResult a = runArena(config);
    const ArenaResult b = runArena(config);
    EXPECT_EQ(a.standings[0].points, b.standings[0].points);
    EXPECT_EQ(a.cardsTurned, b.cardsTurned);
    config.seed = 78;
    EXPECT_NE(runArena(config).cardsTurned, a.cardsTurned);
}

} // namespace
