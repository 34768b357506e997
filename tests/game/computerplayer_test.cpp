#include "game/computerplayer.h"
#include "game/dealing.h"
#include "game/gamerandom.h"
#include "game/turnflow.h"
#include "support/gametable.h"

#include <gtest/gtest.h>

namespace {

class ComputerPlayerTest : public ::testing::Test, protected GameTable {
protected:
    void startGame(const std::vector<Player>& players, int groupSize = 2) {
        GameTable::startGame(players, GameTable::Setup{groupSize});
    }

    void tickAfterThinking() {
        clock.now = state.lastRefreshTicks + ComputerPlayer::kThinkingMs + 1;
        computer.onTimer();
    }

    QStringList shown() const { return journal.only({"show"}); }

    GameRandom random{17};
    ComputerPlayer computer{state, flow, random, clock};
    QMetaObject::Connection woken =
        QObject::connect(&flow, &TurnFlow::turnChanged, &computer, &ComputerPlayer::wake);
};

Player computerOf(int level, bool network = false) {
    return computerPlayer(QStringLiteral("Robo"), level, network);
}
Player human() {
    return humanPlayer(QStringLiteral("Anna"));
}

TEST_F(ComputerPlayerTest, TheUnbeatableTakesKnownPairsHighestSlotFirst) {
    startGame({computerOf(3), human()});
    for (int k : {3, 33, 10, 40})
        state.cards[k].revealCount = 1;
    tickAfterThinking();
    EXPECT_EQ(shown(), QStringList({"show 40 motif 10", "show 10 motif 10"}));
    const QStringList pauses = journal.only({"pause"});
    ASSERT_FALSE(pauses.isEmpty());
    const int thinking = pauses.first().section(QLatin1Char(' '), 1).toInt();
    EXPECT_GE(thinking, 200);
    EXPECT_LE(thinking, 499);
    EXPECT_EQ(state.players[1].score, 1);
    EXPECT_EQ(state.currentPlayer, 1) << "a found pair lets the computer go on";

    journal.entries.clear();
    tickAfterThinking();
    EXPECT_EQ(shown(), QStringList({"show 33 motif 3", "show 3 motif 3"}));
}

TEST_F(ComputerPlayerTest, TheDumbPlayerKnowsACardOnlyAfterSixSightings) {
    startGame({computerOf(1), human()});
    state.cards[12].revealCount = 6;
    state.cards[42].revealCount = 6;
    tickAfterThinking();
    EXPECT_EQ(shown(), QStringList({"show 42 motif 12", "show 12 motif 12"}));
}

TEST_F(ComputerPlayerTest, ARandomFirstCardIsMatchedWhenItsPartnerIsKnown) {
    int partnerTaken = 0;
    for (quint32 seed = 0; seed < 60; ++seed) {
        startGame({computerOf(2), human()});
        for (int k = 1; k <= 60; ++k)
            state.cards[k].present = (k == 5 || k == 35 || k == 6 || k == 36);
        state.cards[35].revealCount = 3; // known to "Normal"; its partner 5 is not
        state.remainingGroups = 2;
        random.setTimeOfDaySource([seed] { return seed; });
        tickAfterThinking();
        const QStringList cards = shown();
        ASSERT_EQ(cards.size(), 2);
        if (cards[0] == "show 5 motif 5") {
            EXPECT_EQ(cards[1], "show 35 motif 5");
            ++partnerTaken;
        }
    }
    EXPECT_GT(partnerTaken, 0) << "some seed must start with slot 5";
}

TEST_F(ComputerPlayerTest, AKnownTripleIsPlayedFromItsHighestSlotDown) {
    startGame({computerOf(3), human()}, 3);
    for (int k : {1, 21, 41})
        state.cards[k].revealCount = 1;
    tickAfterThinking();
    EXPECT_EQ(shown(), QStringList({"show 41 motif 1", "show 21 motif 1", "show 1 motif 1"}));
    EXPECT_EQ(state.players[1].score, 1);
}

TEST_F(ComputerPlayerTest, MovesOnlyForLocalComputersAndOnlyAfterThinking) {
    startGame({computerOf(3, true), human()});
    tickAfterThinking();
    EXPECT_TRUE(shown().isEmpty()) << "a computer at the other computer is moved there";

    startGame({computerOf(3), human()});
    clock.now = state.lastRefreshTicks + ComputerPlayer::kThinkingMs;
    computer.onTimer();
    EXPECT_TRUE(shown().isEmpty()) << "exactly 500 ms is not more than 500 ms";
    clock.now += 1;
    computer.onTimer();
    EXPECT_EQ(shown().size(), 2);

    startGame({human(), computerOf(3)});
    tickAfterThinking();
    EXPECT_TRUE(shown().isEmpty()) << "a human is to move";
}

TEST_F(ComputerPlayerTest, TheTimerRestsWhileAMoveIsMade) {
    startGame({computerOf(3), human()});
    state.cards[3].revealCount = 1;
    state.cards[33].revealCount = 1;
    timekeeper.hold();
    tickAfterThinking();
    ASSERT_TRUE(flow.busy()) << "the move waits in its first pause";
    EXPECT_FALSE(computer.timerActive());
    timekeeper.runUntilIdle();
    timekeeper.release();
    EXPECT_TRUE(computer.timerActive()) << "a found pair lets the computer go on";

    // Nothing known: a miss (for this seed; a lucky pair would keep the turn), and the human's
    // turn needs no tick.
    random.setTimeOfDaySource([] { return 1u; });
    tickAfterThinking();
    ASSERT_EQ(state.currentPlayer, 2);
    EXPECT_FALSE(computer.timerActive());
    click(1);
    click(2);
    EXPECT_TRUE(computer.timerActive()) << "the human missed";
}

TEST_F(ComputerPlayerTest, TwoComputersFinishAGameAndEachMoveWaitsForThinking) {
    startGame({computerOf(2), computerOf(1)});
    int ticks = 0;
    int moves = 0;
    while (state.gameRunning && ticks < 100000) {
        clock.now += 10; // the timer's interval
        const quint32 lastEnded = state.lastRefreshTicks;
        const quint32 startedAt = clock.now;
        const int before = journal.only({"show"}).size();
        computer.onTimer();
        ++ticks;
        if (journal.only({"show"}).size() > before) {
            ++moves;
            ASSERT_GT(startedAt - lastEnded, ComputerPlayer::kThinkingMs);
        }
    }
    EXPECT_FALSE(state.gameRunning);
    EXPECT_EQ(state.remainingGroups, 0);
    EXPECT_EQ(state.players[1].score + state.players[2].score, 30);
    EXPECT_EQ(dialogs.endTexts.size(), 1u);
    EXPECT_GT(moves, 15);
}

} // namespace
