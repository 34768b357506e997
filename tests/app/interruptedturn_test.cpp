// The player, or the other computer, acting in the real main window while a turn waits: the turn
// stops where it waits, and nothing of it reaches the board, the state or the other computer
// afterwards. Time is the fake clock's; each wait holds until the test lets it pass.

#include "app/ui/mainwindow.h"
#include "controls/ui/pushbutton.h"
#include "game/ui/enddialog.h"
#include "controls/ui/imageview.h"
#include "game/turnflow.h"
#include "net/gamemessages.h"
#include "support/mainwindowsurroundings.h"
#include "support/modal.h"
#include "support/newgame.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class InterruptedTurnTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    void SetUp() override {
        storeTwoHumanPlayers(settings);
        window = std::make_unique<MainWindow>(appEnvironment());
        window->show();
    }

    const GameState& state() const { return window->gameState(); }
    ImageView* boardView() { return part<ImageView>(*window, "boardView"); }
    QImage shownCard(int slot) {
        const Card& card = state().cards[slot];
        return boardView()->shownImage().copy(card.left, card.top, 40, 40);
    }
    void clickSlot(int slot) {
        const Card& card = state().cards[slot];
        QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(card.left + 20, card.top + 20));
    }
    // The first present card after `slot` whose motif is (or is not) the same.
    int cardAfter(int slot, bool sameMotif) const {
        for (int k = 1; k <= state().cardCount(); ++k)
            if (k != slot && state().cards[k].present &&
                (state().cards[k].motif == state().cards[slot].motif) == sameMotif)
                return k;
        return 0;
    }
    // "Neues Spiel" while the game runs: "Ja" to abandoning it, then "Spiel beginnen!".
    void startNewGameNow() {
        answerNextMessageBox(QMessageBox::Yes);
        startGameThroughDialog(*window);
    }
    // A game of this window's own where every card lies face down, on the screen as in the state.
    void expectFreshBoard() {
        ASSERT_TRUE(state().gameRunning);
        EXPECT_EQ(state().remainingGroups, 30);
        EXPECT_EQ(state().currentPlayer, 1);
        EXPECT_EQ(state().turnCardCount, 0);
        EXPECT_EQ(state().pendingCards.count(), 0);
        for (int k = 1; k <= state().cardCount(); ++k) {
            EXPECT_TRUE(state().cards[k].present && !state().cards[k].faceUp) << "slot " << k;
            EXPECT_EQ(shownCard(k), window->images().cardBack) << "slot " << k;
        }
    }

    // The other computer, as the network link hands on its messages: it invites this window to
    // a game in which Anna plays there and Bert here, and deals.
    void receive(MessageType type, const QByteArray& payload) {
        Q_EMIT window->networkLink().blockReceived(makeBlock(static_cast<quint8>(type), payload));
    }
    void joinGameWithAnnaThere() {
        Invitation invitation;
        invitation.playerCount = 2;
        invitation.players[0] = InvitedPlayer{QStringLiteral("Anna"), false, false};
        invitation.players[1] = InvitedPlayer{QStringLiteral("Bert"), false, true};
        answerNextMessageBox(QMessageBox::Yes);
        receive(MessageType::Invitation, encodeInvitation(invitation));
        ASSERT_TRUE(QTest::qWaitFor([this] { return state().settings.networkGame; }));
        GameData data{60, false, false, false, {}};
        for (int k = 1; k <= 60; ++k)
            data.motifs[k] = (k - 1) % 30 + 1;
        receive(MessageType::GameData, encodeGameData(data));
        ASSERT_TRUE(state().gameRunning);
        ASSERT_TRUE(state().currentIsNetwork()) << "Anna moves first";
    }
    void annaTurns(int slot) { receive(MessageType::CardTurned, encodeCardTurned(1, slot)); }
    // The link has lost the other computer; its message is answered.
    void loseConnection() {
        answerNextMessageBox(QMessageBox::Ok);
        Q_EMIT window->networkLink().onlineChanged();
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(InterruptedTurnTest, ANewGameStartedDuringAPauseIsNotPlayedOnByTheOldTurn) {
    startGameThroughDialog(*window);
    clickSlot(1);
    timekeeper.hold();
    clickSlot(cardAfter(1, true)); // a pair: the pause before it is removed
    ASSERT_TRUE(timekeeper.runUntilJournal(journal, "pause 200"));
    startNewGameNow();
    timekeeper.runUntilIdle();
    EXPECT_FALSE(journal.entries.contains("pause 500")) << "the old turn went no further";
    EXPECT_EQ(state().players[1].score, 0);
    expectFreshBoard();
}

TEST_F(InterruptedTurnTest, ANewGameStartedDuringAHideKeepsItsBoardAndFirstPlayer) {
    startGameThroughDialog(*window);
    clickSlot(1);
    timekeeper.hold();
    clickSlot(cardAfter(1, false));
    ASSERT_TRUE(
        timekeeper.runUntilJournal(journal, QStringLiteral("pause %1").arg(TurnFlow::mismatchPause(1))));
    ASSERT_TRUE(timekeeper.step()) << "the hide's first frame is on the screen";
    startNewGameNow();
    timekeeper.runUntilIdle();
    expectFreshBoard();
}

TEST_F(InterruptedTurnTest, ANewGameStartedDuringTheOtherComputersTurnEndsItsReplay) {
    joinGameWithAnnaThere();
    QSignalSpy confirmed(&window->turnFlow(), &TurnFlow::allCardsReceived);
    timekeeper.hold();
    annaTurns(1);
    timekeeper.runUntilIdle();
    annaTurns(2); // a miss, replayed here with its pauses
    ASSERT_TRUE(timekeeper.runUntilJournal(journal, "pause 100"));
    startNewGameNow();
    timekeeper.runUntilIdle();
    EXPECT_EQ(confirmed.count(), 0) << "the old replay reports no end of Anna's turn";
    EXPECT_FALSE(state().settings.networkGame);
    expectFreshBoard();
}

TEST_F(InterruptedTurnTest, AConnectionLostDuringAFadeStopsTheCardAndTurnsItBack) {
    joinGameWithAnnaThere();
    timekeeper.hold();
    annaTurns(7);
    ASSERT_EQ(timekeeper.waiting(), 1) << "the card's first frame is on the screen";
    loseConnection();
    timekeeper.runUntilIdle();
    EXPECT_FALSE(state().gameRunning);
    EXPECT_FALSE(state().cards[7].faceUp);
    EXPECT_EQ(state().pendingCards.count(), 0);
    EXPECT_EQ(shownCard(7), window->images().cardBack);
    EXPECT_EQ(window->images().board.copy(state().cards[7].left, state().cards[7].top, 40, 40),
              window->images().cardBack);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }))
        << "the message was shown and answered";
}

TEST_F(InterruptedTurnTest, AConnectionLostWhileThePairsSoundPlaysRemovesNothing) {
    joinGameWithAnnaThere();
    QSignalSpy sounds(&window->turnFlow(), &TurnFlow::soundWanted);
    timekeeper.hold();
    annaTurns(1);
    timekeeper.runUntilIdle();
    annaTurns(31); // the same motif: a pair
    ASSERT_TRUE(timekeeper.runUntilJournal(journal, "pause 500"));
    ASSERT_EQ(sounds.last().at(0).toString(), "ppp3");
    loseConnection();
    timekeeper.runUntilIdle();
    EXPECT_FALSE(state().gameRunning);
    EXPECT_EQ(state().players[1].score, 0);
    for (int slot : {1, 31}) {
        EXPECT_TRUE(state().cards[slot].present && !state().cards[slot].faceUp) << slot;
        EXPECT_EQ(shownCard(slot), window->images().cardBack) << slot;
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
}

TEST_F(InterruptedTurnTest, AHangUpWhileTheEndDialogIsOpenKeepsTheResultAndTellsOnce) {
    joinGameWithAnnaThere();
    for (int slot = 1; slot <= 30; ++slot) {
        annaTurns(slot);
        annaTurns(slot + 30);
        timekeeper.runUntilIdle();
    }
    ASSERT_TRUE(QTest::qWaitFor([] { return madeWindow<EndDialog>() && madeWindow<EndDialog>()->isVisible(); }));
    ASSERT_FALSE(state().gameRunning);
    EXPECT_EQ(state().players[1].score, 30);

    Q_EMIT window->networkLink().onlineChanged();
    Q_EMIT window->networkLink().onlineChanged(); // the last frames and the hang-up
    const auto lostBoxes = [] {
        QList<QMessageBox*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                boxes << box;
        return boxes;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lostBoxes().isEmpty(); }));
    EXPECT_EQ(lostBoxes().count(), 1);
    EXPECT_TRUE(madeWindow<EndDialog>()->isVisible()) << "the result stays until it is read";
    EXPECT_EQ(madeWindow<EndDialog>()->highlightLabel->text(), "Anna");
    lostBoxes().first()->button(QMessageBox::Ok)->click();
    madeWindow<EndDialog>()->closeButton->click();
    timekeeper.runUntilIdle();
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_TRUE(lostBoxes().isEmpty());
    EXPECT_EQ(state().players[1].score, 30);
    EXPECT_FALSE(state().settings.networkGame);
}

} // namespace
