#include "game/dealing.h"
#include "game/gamerandom.h"
#include "game/turnflow.h"
#include "support/gametable.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

Player human(const QString& name) {
    return humanPlayer(name);
}
Player computer(const QString& name) {
    return computerPlayer(name);
}
Player remote(const QString& name) {
    return remotePlayer(name);
}

class TurnFlowTest : public ::testing::Test, protected GameTable {
protected:
    void SetUp() override {
        sound.listenTo(flow);
        records.listenTo(flow);
        peer.listenTo(flow);
        protocol.listenTo(flow);
    }

    void startGame(const std::vector<Player>& players, int groupSize = 2, int difficulty = 1,
                   bool network = false) {
        GameTable::startGame(players, GameTable::Setup{groupSize, difficulty, network});
    }

    QStringList turnSteps() const {
        return journal.only({"pause", "sound", "show", "hide", "remove", "end dialog", "send", "wait"});
    }

    // Leaves only the group of `slot` (and its partners) on the board.
    void leaveOnly(std::initializer_list<int> slots) {
        for (int k = 1; k <= 60; ++k)
            state.cards[k].present = false;
        for (int k : slots)
            state.cards[k].present = true;
        state.remainingGroups = 1;
    }

    FakeSound sound{journal};
    FakeRecords records;
    FakePeer peer{journal};
};

TEST_F(TurnFlowTest, APairFoundIsRemovedScoredAndTheSameParticipantGoesOn) {
    startGame({human("Anna"), human("Bert")});
    click(1);
    click(31);
    EXPECT_EQ(turnSteps(), QStringList({"sound ppp1", "show 1 motif 1", "sound ppp1", "show 31 motif 1",
                                        "pause 200", "sound ppp3", "pause 500", "remove 1,31", "pause 300"}));
    EXPECT_EQ(state.players[1].score, 1);
    EXPECT_EQ(state.remainingGroups, 29);
    EXPECT_FALSE(state.cards[1].present);
    EXPECT_FALSE(state.cards[31].present);
    EXPECT_FALSE(state.cards[1].faceUp);
    EXPECT_EQ(state.currentPlayer, 1);
    EXPECT_EQ(state.turnCardCount, 0);
    EXPECT_EQ(tallies[1].pairsFound, 1);
    EXPECT_EQ(board.remainingGroups, 29);
    EXPECT_TRUE(board.enabled);
    EXPECT_EQ(protocol.lines.last(), "Paintbox1 eingeschaltet (Zeile 956)");
}

TEST_F(TurnFlowTest, AMismatchWaitsByDifficultyTurnsBackAndPassesTheTurn) {
    const int expectedPause[] = {1300, 700, 200};
    for (int difficulty = 0; difficulty <= 2; ++difficulty) {
        startGame({human("Anna"), human("Bert")}, 2, difficulty);
        click(1);
        click(2);
        EXPECT_EQ(turnSteps(),
                  QStringList({"sound ppp1", "show 1 motif 1", "sound ppp1", "show 2 motif 2", "pause 100",
                               "sound ppp2", QStringLiteral("pause %1").arg(expectedPause[difficulty]),
                               "hide 1,2"}))
            << "difficulty " << difficulty;
        EXPECT_EQ(state.currentPlayer, 2);
        EXPECT_FALSE(state.cards[1].faceUp);
        EXPECT_FALSE(state.cards[2].faceUp);
        EXPECT_TRUE(state.cards[1].present);
        EXPECT_EQ(state.cards[1].revealCount, 1);
        EXPECT_EQ(tallies[1].misses, 1);
        EXPECT_EQ(state.players[1].score, 0);
        EXPECT_TRUE(board.enabled) << "the next participant is a human here";
        EXPECT_EQ(protocol.lines.last(), "Paintbox1 eingeschaltet (Zeile 769)");
    }
}

TEST_F(TurnFlowTest, ATripleIsAnnouncedAtTheSecondCardAndRemovedAtTheThird) {
    startGame({human("Anna")}, 3);
    click(1);
    click(21);
    EXPECT_EQ(state.turnCardCount, 3);
    EXPECT_EQ(protocol.lines.last(), "Paintbox1 eingeschaltet (Zeile 992)");
    click(41);
    EXPECT_EQ(turnSteps(),
              QStringList({"sound ppp1", "show 1 motif 1", "sound ppp1", "show 21 motif 1", "pause 200",
                           "sound ppp3", "sound ppp1", "show 41 motif 1", "pause 200", "sound ppp3",
                           "pause 300", "pause 500", "remove 1,21,41"}));
    EXPECT_EQ(state.players[1].score, 1);
    EXPECT_EQ(state.remainingGroups, 19);
    EXPECT_EQ(tallies[1].pairsFound, 1);
    EXPECT_FALSE(state.cards[21].present);
    EXPECT_EQ(protocol.lines.last(), "Paintbox1 eingeschaltet (Zeile 885)");
}

TEST_F(TurnFlowTest, ATripleFailsAtTheSecondOrAtTheThirdCard) {
    startGame({human("Anna"), human("Bert")}, 3);
    click(1);
    click(21);
    click(2);
    EXPECT_EQ(journal.only({"hide"}), QStringList({"hide 1,21,2"}));
    EXPECT_EQ(tallies[1].misses, 1);
    EXPECT_EQ(state.currentPlayer, 2);
    for (int k : {1, 21, 2})
        EXPECT_FALSE(state.cards[k].faceUp);

    journal.entries.clear();
    click(3);
    click(4);
    EXPECT_EQ(journal.only({"hide"}), QStringList({"hide 3,4"}));
    EXPECT_EQ(tallies[2].misses, 1);
    EXPECT_EQ(state.currentPlayer, 1);
}

TEST_F(TurnFlowTest, TheLastPairEndsTheGameWithItsWinner) {
    startGame({human("Anna"), human("Bert")});
    leaveOnly({5, 35});
    state.players[1].score = 17;
    state.players[2].score = 12;
    click(5);
    click(35);
    EXPECT_FALSE(state.gameRunning);
    EXPECT_EQ(state.remainingGroups, 0);
    ASSERT_EQ(dialogs.endTexts.size(), 1u);
    EXPECT_EQ(dialogs.endTexts[0].headline, "Herzlichen Glückwunsch,");
    EXPECT_EQ(dialogs.endTexts[0].highlight, "Anna");
    EXPECT_EQ(dialogs.endTexts[0].closing, "Sie haben das Spiel gewonnen!");
    EXPECT_EQ(journal.only({"sound ppp4", "sound ppp5"}), QStringList({"sound ppp4"}));
    ASSERT_EQ(records.highScores.size(), 2u);
    EXPECT_EQ(records.highScores[0], std::make_pair(QStringLiteral("Anna"), 18u));
    EXPECT_EQ(records.highScores[1], std::make_pair(QStringLiteral("Bert"), 12u));
    EXPECT_EQ(records.gameEnds, 1);
    EXPECT_EQ(records.lastTallies[1].wins, 1);
    EXPECT_EQ(records.lastTallies[2].wins, 0);
    EXPECT_EQ(records.lastPlayerCount, 2);

    // The end dialog comes after the sound and the records; the strip is redrawn after it.
    const int stripsBefore = board.statusStrips;
    EXPECT_EQ(journal.entries.last(), "end dialog");
    EXPECT_GT(stripsBefore, 0);

    protocol.lines.clear();
    click(6);
    EXPECT_EQ(protocol.lines, QStringList({"Paintbox1 ausgeschaltet (Zeile 827)"}));
    EXPECT_FALSE(board.enabled) << "after the game the board takes no clicks";
}

TEST_F(TurnFlowTest, ASharedTopScoreIsADrawWithoutWinner) {
    startGame({human("Anna"), human("Bert")});
    leaveOnly({5, 35});
    state.players[1].score = 14;
    state.players[2].score = 15;
    click(5);
    click(35);
    ASSERT_EQ(dialogs.endTexts.size(), 1u);
    EXPECT_EQ(dialogs.endTexts[0].headline, "Dieses Spiel ist leider...");
    EXPECT_EQ(dialogs.endTexts[0].highlight, "...unentschieden!");
    EXPECT_TRUE(dialogs.endTexts[0].closing.isEmpty());
    EXPECT_EQ(journal.only({"sound ppp4", "sound ppp5"}), QStringList({"sound ppp5"}));
    EXPECT_EQ(records.lastTallies[1].wins + records.lastTallies[2].wins, 0);
}

TEST_F(TurnFlowTest, ASingleParticipantWinsButNeverEntersTheHighScores) {
    startGame({computer("Robo")});
    state.players[1].isComputer = false; // moved by hand here
    leaveOnly({5, 35});
    click(5);
    click(35);
    EXPECT_TRUE(records.highScores.empty());
    ASSERT_EQ(dialogs.endTexts.size(), 1u);
    EXPECT_EQ(dialogs.endTexts[0].highlight, "Robo");
    EXPECT_EQ(records.gameEnds, 1);
}

TEST_F(TurnFlowTest, TheEndOfAGameClearsEveryComputerMark) {
    startGame({human("Anna"), computer("Robo")});
    state.players[4].isComputer = true; // left over from an earlier game
    leaveOnly({5, 35});
    click(5);
    click(35);
    for (int p = 1; p <= kMaxPlayers; ++p)
        EXPECT_FALSE(state.players[p].isComputer) << p;
}

TEST_F(TurnFlowTest, TwoHumansPlayAWholeGameToTheEndDialog) {
    dialogs.startGame = [this] {
        state.settings = GameSettings{};
        state.settings.motifKind = MotifKind::Numbers;
        state.playerCount = 2;
        state.players[1] = human("Anna");
        state.players[2] = human("Bert");
        GameRandom random(2024);
        dealBoard(state, random);
        prepareTallies(state, tallies);
        beginGame(state);
        flow.statusRefresh();
    };
    flow.startNewGame();
    int clicks = 0;
    int turns = 0;
    while (state.gameRunning && clicks < 1000) {
        ASSERT_TRUE(board.enabled) << "a human to move always has the board";
        int first = 0;
        for (int k = 1; k <= 60 && first == 0; ++k)
            if (state.cards[k].present)
                first = k;
        int second = 0;
        const bool findIt = (++turns % 3) != 0;
        for (int k = 1; k <= 60 && second == 0; ++k) {
            const bool same = state.cards[k].motif == state.cards[first].motif;
            if (k != first && state.cards[k].present && same == findIt)
                second = k;
        }
        if (second == 0) // only one group left: no mismatch possible
            for (int k = 1; k <= 60 && second == 0; ++k)
                if (k != first && state.cards[k].present)
                    second = k;
        click(first);
        click(second);
        clicks += 2;
    }
    EXPECT_FALSE(state.gameRunning);
    EXPECT_EQ(state.remainingGroups, 0);
    EXPECT_EQ(state.players[1].score + state.players[2].score, 30);
    EXPECT_EQ(tallies[1].pairsFound + tallies[2].pairsFound, 30);
    EXPECT_GT(tallies[1].misses + tallies[2].misses, 0);
    for (int k = 1; k <= 60; ++k)
        EXPECT_FALSE(state.cards[k].present);
    ASSERT_EQ(dialogs.endTexts.size(), 1u);
    EXPECT_EQ(records.highScores.size(), 2u);
    EXPECT_EQ(board.remainingGroups, 0);
}

TEST_F(TurnFlowTest, ANewGameDuringAPauseEndsTheInterruptedTurn) {
    startGame({human("Anna"), human("Bert")});
    click(1);
    timekeeper.hold();
    click(31); // a pair: the new game starts in the first pause after it
    ASSERT_TRUE(timekeeper.runUntilJournal(journal, "pause 200"));
    flow.startNewGame();
    timekeeper.runUntilIdle();

    EXPECT_EQ(journal.only({"ask abandon", "new game dialog", "remove"}),
              QStringList({"ask abandon", "new game dialog"}))
        << "the old turn must not remove cards from the new board";
    EXPECT_TRUE(state.gameRunning);
    EXPECT_EQ(state.remainingGroups, 30);
    EXPECT_EQ(state.players[1].score, 0);
    EXPECT_EQ(state.currentPlayer, 1);
    EXPECT_EQ(state.turnCardCount, 0);
    EXPECT_EQ(state.pendingCards.count(), 0);
    EXPECT_FALSE(state.abortRequested);
    for (int k = 1; k <= 60; ++k) {
        EXPECT_TRUE(state.cards[k].present);
        EXPECT_FALSE(state.cards[k].faceUp);
    }
}

TEST_F(TurnFlowTest, ANewGameDuringAMismatchPauseKeepsTheNewGamesFirstParticipant) {
    startGame({human("Anna"), human("Bert")});
    click(1);
    timekeeper.hold();
    click(2);
    ASSERT_TRUE(timekeeper.runUntilJournal(journal, "pause 100"));
    flow.startNewGame();
    timekeeper.runUntilIdle();
    EXPECT_EQ(journal.only({"hide"}), QStringList());
    EXPECT_EQ(state.currentPlayer, 1) << "the old turn must not pass the new game's turn";
    EXPECT_EQ(tallies[1].misses, 0) << "tallies belong to the new game";
}

TEST_F(TurnFlowTest, AnAbandonedGameWithoutNewOneStopsTheTurn) {
    startGame({human("Anna"), human("Bert")});
    click(1);
    timekeeper.hold();
    click(31);
    ASSERT_TRUE(timekeeper.runUntilJournal(journal, "pause 200"));
    dialogs.startGame = nullptr; // the new-game dialog is cancelled
    flow.startNewGame();
    timekeeper.runUntilIdle();
    EXPECT_FALSE(state.gameRunning);
    EXPECT_EQ(journal.only({"remove"}), QStringList());
    EXPECT_EQ(state.players[1].score, 0);
    EXPECT_TRUE(state.cards[31].present);
}

TEST_F(TurnFlowTest, RefusingToAbandonKeepsTheGame) {
    startGame({human("Anna"), human("Bert")});
    dialogs.answerAbandon = false;
    flow.startNewGame();
    EXPECT_TRUE(state.gameRunning);
    EXPECT_EQ(journal.only({"new game dialog"}), QStringList());
}

TEST_F(TurnFlowTest, ClicksThatTurnNoCardChangeNothing) {
    startGame({human("Anna"), human("Bert")});
    flow.turnCard(hitTest(state, 5, 5));
    EXPECT_EQ(protocol.lines,
              QStringList({"Paintbox1 ausgeschaltet (Zeile 827)", "Paintbox1 eingeschaltet (Zeile 841)"}));
    EXPECT_TRUE(board.enabled) << "a human keeps the board after a click beside the cards";
    EXPECT_EQ(state.turnCardCount, 0);

    click(1);
    protocol.lines.clear();
    click(1);
    EXPECT_EQ(protocol.lines.last(), "Paintbox1 eingeschaltet (Zeile 841)") << "a face-up card hits nothing";
    EXPECT_EQ(state.turnCardCount, 1);
}

TEST_F(TurnFlowTest, AComputerToMoveKeepsTheBoardSwitchedOff) {
    startGame({computer("Robo"), human("Anna")});
    EXPECT_FALSE(board.enabled);
    flow.turnCard(hitTest(state, 5, 5));
    EXPECT_FALSE(board.enabled);
    click(1); // the slot a computer player hands over
    EXPECT_EQ(protocol.lines.last(), "Paintbox1 ausgeschaltet (Zeile 827)");
    EXPECT_FALSE(board.enabled);
    EXPECT_TRUE(state.cards[1].faceUp);
}

TEST_F(TurnFlowTest, NoGameNoTurn) {
    flow.turnCard(hitTest(state, 30, 30));
    EXPECT_EQ(protocol.lines, QStringList({"Paintbox1 ausgeschaltet (Zeile 827)"}));
    EXPECT_FALSE(board.enabled);
    EXPECT_TRUE(journal.only({"show"}).isEmpty());
}

TEST_F(TurnFlowTest, CancellingTheFirstNewGameLeavesNoGame) {
    flow.startNewGame();
    EXPECT_FALSE(state.gameRunning);
    EXPECT_EQ(journal.only({"fresh board"}), QStringList({"fresh board"}));
    click(1);
    EXPECT_FALSE(state.cards[1].faceUp);
}

TEST_F(TurnFlowTest, SoundsAreRequestedOnlyWhenSoundIsOn) {
    options.soundOn = false;
    startGame({human("Anna")});
    click(1);
    click(31);
    EXPECT_TRUE(journal.only({"sound"}).isEmpty());
    EXPECT_EQ(journal.only({"pause"}), QStringList({"pause 200", "pause 500", "pause 300"}));
}

TEST_F(TurnFlowTest, StatusRefreshShowsKnownAndRemainingGroupsAndNotesTheTime) {
    startGame({human("Anna"), human("Bert")});
    click(1);
    click(2); // mismatch: both seen once
    click(31);
    click(32);
    EXPECT_EQ(board.knownGroups, 2);
    EXPECT_EQ(board.remainingGroups, 30);
    clock.now += 5000;
    flow.statusRefresh();
    EXPECT_EQ(state.lastRefreshTicks, clock.now);
}

TEST_F(TurnFlowTest, PausesEndEarlyOnAbortAndRestoreAnOuterPause) {
    timekeeper.hold();
    state.pauseActive = false;
    flow.play(flow.pause(100));
    EXPECT_TRUE(state.pauseActive);
    timekeeper.runUntilIdle();
    EXPECT_FALSE(state.pauseActive);

    state.pauseActive = true; // an outer pause is running
    flow.play(flow.pause(50));
    timekeeper.runUntilIdle();
    EXPECT_TRUE(state.pauseActive);

    state.pauseActive = false;
    const quint32 before = clock.now;
    flow.play(flow.pause(1000));
    flow.requestAbort();
    timekeeper.runUntilIdle();
    EXPECT_EQ(clock.now, before) << "an aborted pause does not wait";
    EXPECT_FALSE(state.pauseActive);
    EXPECT_FALSE(flow.busy());
}

// Network games: the other computer is played by FakePeer and the marks the test sets.

TEST_F(TurnFlowTest, ALocalCardWaitsForThePeerAndIsReportedBeforeItIsShown) {
    startGame({human("Anna"), remote("Bert")}, 2, 1, true);
    state.peerReady = false;
    click(7);
    EXPECT_EQ(turnSteps(), QStringList()) << "waiting for the other computer";
    state.peerReady = true;
    flow.marksChanged();
    handlePostedEvents();
    EXPECT_EQ(turnSteps(), QStringList({"send card 1 7", "sound ppp1", "show 7 motif 7"}));
    EXPECT_FALSE(state.peerReady) << "the ready mark is used up by the card";
}

TEST_F(TurnFlowTest, AReplayedFirstCardAnnouncesReadinessForTheNext) {
    startGame({remote("Bert"), human("Anna")}, 2, 1, true);
    EXPECT_FALSE(board.enabled);
    click(7); // replayed from the other computer
    EXPECT_EQ(turnSteps(), QStringList({"sound ppp1", "show 7 motif 7", "send ready"}));
    EXPECT_FALSE(board.enabled);
}

TEST_F(TurnFlowTest, TheEndOfARemoteTurnIsConfirmedAndALocalTurnEndWaitsForConfirmation) {
    startGame({remote("Bert"), human("Anna")}, 2, 1, true);
    click(1);
    journal.entries.clear();
    click(2); // Bert misses; this computer confirms the turn
    EXPECT_EQ(journal.only({"send"}), QStringList({"send all received"}));
    EXPECT_EQ(state.currentPlayer, 2);
    EXPECT_TRUE(board.enabled);

    state.peerReady = true;
    click(3);
    state.peerReady = true;
    journal.entries.clear();
    click(4); // Anna misses: wait for the confirmation, then Bert is remote again
    EXPECT_EQ(journal.only({"send", "hide"}), QStringList({"send card 2 4", "hide 3,4"}));
    EXPECT_TRUE(flow.busy()) << "waiting for the confirmation";
    state.peerTurnDone = true;
    flow.marksChanged();
    handlePostedEvents();
    EXPECT_EQ(journal.only({"send", "hide"}), QStringList({"send card 2 4", "hide 3,4", "send ready"}));
    EXPECT_FALSE(state.peerTurnDone);
    EXPECT_EQ(state.currentPlayer, 1);
}

TEST_F(TurnFlowTest, ALostConnectionEndsAWaitingTurn) {
    startGame({human("Anna"), remote("Bert")}, 2, 1, true);
    state.peerReady = false;
    click(7);
    flow.abandonGame();
    handlePostedEvents();
    EXPECT_EQ(journal.only({"show"}), QStringList());
    EXPECT_FALSE(state.cards[7].faceUp);
    EXPECT_FALSE(state.gameRunning);
}

TEST_F(TurnFlowTest, AGameLostInMidTurnDrawsNoFurtherCardAndTurnsTheTurnBack) {
    startGame({human("Anna"), remote("Bert")}, 2, 1, true);
    state.peerReady = true;
    click(1);
    state.peerReady = true;
    timekeeper.hold();
    click(2); // the connection ends while the second card is being turned, its sound playing
    flow.abandonGame();
    timekeeper.runUntilIdle();
    EXPECT_EQ(journal.only({"sound", "show", "hide", "redraw"}),
              QStringList(
                  {"sound ppp1", "show 1 motif 1", "sound ppp1", "show 2 motif 2", "redraw face-down cards"}))
        << "the second card stops where it was, and the turn goes no further";
    EXPECT_FALSE(state.cards[1].faceUp);
    EXPECT_FALSE(state.cards[2].faceUp);
    EXPECT_EQ(state.pendingCards.count(), 0);

    timekeeper.release();
    startGame({human("Anna"), remote("Bert")}, 2, 1, true);
    state.peerReady = true;
    click(1);
    state.peerReady = true;
    timekeeper.hold();
    click(2); // a mismatch, stopped in its first pause
    ASSERT_TRUE(timekeeper.runUntilJournal(journal, "pause 100"));
    flow.abandonGame();
    timekeeper.runUntilIdle();
    EXPECT_EQ(journal.only({"show", "hide", "redraw"}),
              QStringList({"show 1 motif 1", "show 2 motif 2", "redraw face-down cards"}));
    EXPECT_FALSE(state.cards[1].faceUp);
    EXPECT_FALSE(state.cards[2].faceUp);
}

} // namespace
