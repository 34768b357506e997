#include "turnflow.h"

#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include <QCoreApplication>

#include <utility>

namespace {

// The program's sounds, by the resource names they are stored under.
const QString kTurnSound = QStringLiteral("ppp1");
const QString kMismatchSound = QStringLiteral("ppp2");
const QString kMatchSound = QStringLiteral("ppp3");
const QString kWinSound = QStringLiteral("ppp4");
const QString kDrawSound = QStringLiteral("ppp5");

} // namespace

TurnFlow::TurnFlow(GameState& state, GameTallies& tallies, const ProgramOptions& options,
                   Timekeeper& timekeeper, const TickClock& clock, BoardPort& board, DialogPort& dialogs,
                   QObject* parent)
    : QObject(parent), state_(state), tallies_(tallies), options_(options), timekeeper_(timekeeper),
      clock_(clock), board_(board), dialogs_(dialogs) {}

void TurnFlow::turnCard(int slot) {
    work_.run(turn(slot));
}

void TurnFlow::play(Task<> work) {
    work_.run(std::move(work));
}

Task<> TurnFlow::turn(int slot) {
    setBoardInput(false, BoardInputSite::CardPressed);
    if (!state_.gameRunning)
        co_return;
    if (!isTurnable(state_, slot)) {
        if (state_.currentIsLocalHuman())
            setBoardInput(true, BoardInputSite::NothingTurned);
        co_return;
    }
    if (state_.settings.networkGame && !state_.currentIsNetwork())
        co_await waitForPeerThenReport(slot);
    co_await revealCard(slot);

    switch (state_.turnCardCount) {
    case 1:
        state_.firstCard = slot;
        if (state_.currentIsNetwork())
            Q_EMIT readyForNextCard();
        if (state_.currentIsLocalHuman())
            setBoardInput(true, BoardInputSite::FirstCardTurned);
        break;
    case 2:
        co_await resolveSecondCard(slot);
        break;
    case 4:
        co_await resolveThirdCard(slot);
        break;
    default:
        break;
    }
    statusRefresh();
}

Task<> TurnFlow::revealCard(int slot) {
    Card& card = state_.cards[slot];
    card.faceUp = true;
    ++card.revealCount;
    ++state_.turnCardCount;
    playSound(kTurnSound);
    state_.pendingCards.append(card.motif, slot);
    co_await board_.showCard(card.motif, card.left, card.top);
}

Task<> TurnFlow::waitForPeerThenReport(int slot) {
    co_await useUpPeerMark(&GameState::peerReady);
    Q_EMIT cardToSend(state_.currentPlayer, slot);
}

Task<> TurnFlow::useUpPeerMark(bool GameState::*mark) {
    while (!(state_.*mark))
        co_await marksChanged_.next();
    state_.*mark = false;
}

Task<> TurnFlow::resolveSecondCard(int slot) {
    if (state_.cards[slot].motif != state_.cards[state_.firstCard].motif) {
        co_await mismatch();
        co_return;
    }
    co_await pause(200);
    playSound(kMatchSound);
    if (state_.settings.groupSize == 3) {
        state_.secondCard = slot;
        state_.turnCardCount = 3;
        if (state_.currentIsNetwork())
            Q_EMIT readyForNextCard();
        if (state_.currentIsLocalHuman())
            setBoardInput(true, BoardInputSite::SecondCardMatched);
        co_return;
    }
    co_await pause(500);
    co_await board_.removeFaceUpCards();
    ++currentTally().pairsFound;
    co_await pause(300);
    state_.cards[state_.firstCard].present = false;
    state_.cards[slot].present = false;
    co_await groupScored(BoardInputSite::PairRemoved);
}

Task<> TurnFlow::resolveThirdCard(int slot) {
    if (state_.cards[slot].motif != state_.cards[state_.secondCard].motif) {
        co_await mismatch();
        co_return;
    }
    ++currentTally().pairsFound;
    co_await pause(200);
    playSound(kMatchSound);
    co_await pause(300);
    co_await pause(500);
    co_await board_.removeFaceUpCards();
    state_.cards[state_.firstCard].present = false;
    state_.cards[state_.secondCard].present = false;
    state_.cards[slot].present = false;
    co_await groupScored(BoardInputSite::TripleRemoved);
}

Task<> TurnFlow::mismatch() {
    ++currentTally().misses;
    co_await pause(100);
    playSound(kMismatchSound);
    co_await pause(mismatchPause(state_.settings.difficulty));
    co_await board_.hideFaceUpCards();
    co_await nextPlayer();
}

// The same participant moves again after a found group.
Task<> TurnFlow::groupScored(BoardInputSite site) {
    turnAllFaceDown(state_);
    board_.repaintBoard();
    state_.turnCardCount = 0;
    ++state_.players[state_.currentPlayer].score;
    --state_.remainingGroups;
    if (state_.currentIsNetwork())
        Q_EMIT readyForNextCard();
    if (state_.currentIsLocalHuman())
        setBoardInput(true, site);
    if (state_.remainingGroups == 0)
        co_await endGame();
}

Task<> TurnFlow::endGame() {
    if (state_.playerCount >= 2) {
        for (int p = 1; p <= state_.playerCount; ++p)
            Q_EMIT finalScore(state_.players[p].name, static_cast<quint32>(state_.players[p].score));
    }
    state_.gameRunning = false;
    for (int p = 1; p <= kMaxPlayers; ++p)
        state_.players[p].isComputer = false;

    const GameResult result = decideResult(state_);
    EndDialogText text;
    if (!result.draw && result.winner >= 1) {
        ++tallies_[result.winner].wins;
        text = {QCoreApplication::translate("TurnFlow", "Herzlichen Glückwunsch,"),
                state_.players[result.winner].name,
                QCoreApplication::translate("TurnFlow", "Sie haben das Spiel gewonnen!")};
        playSound(kWinSound);
    } else {
        text = {QCoreApplication::translate("TurnFlow", "Dieses Spiel ist leider..."),
                QCoreApplication::translate("TurnFlow", "...unentschieden!"), QString()};
        playSound(kDrawSound);
    }
    Q_EMIT gameFinished(tallies_, state_.playerCount);
    co_await dialogs_.showEndDialog(text);
}

Task<> TurnFlow::nextPlayer() {
    Q_EMIT protocolLine(QStringLiteral("In Prozedure naechsterSpieler eingetreten"));
    turnAllFaceDown(state_);
    board_.repaintBoard();
    if (state_.currentPlayer != 0 && state_.settings.networkGame) {
        if (state_.currentIsNetwork()) {
            Q_EMIT allCardsReceived();
        } else {
            co_await useUpPeerMark(&GameState::peerTurnDone);
        }
    }
    state_.turnCardCount = 0;
    ++state_.currentPlayer;
    if (state_.currentPlayer > state_.playerCount || state_.currentPlayer > kMaxPlayers)
        state_.currentPlayer = 1;
    if (state_.currentIsLocalHuman())
        setBoardInput(true, BoardInputSite::TurnPassed);
    if (state_.settings.networkGame && state_.currentIsNetwork())
        Q_EMIT readyForNextCard();
    Q_EMIT turnChanged();
}

void TurnFlow::startNewGame() {
    if (state_.gameRunning) {
        if (!dialogs_.confirmAbandonGame())
            return;
        abandonGame();
    }
    state_.pendingCards.clear();
    dialogs_.runNewGameDialog();
    state_.abortRequested = false;
    board_.drawFreshBoard();
    startFirstTurn();
}

// The board may still take clicks from the game before; until nextPlayer hands the
// first turn to a local human, nobody may turn a card here.
void TurnFlow::startFirstTurn() {
    work_.cancel();
    setBoardInput(false, BoardInputSite::FirstTurnPending);
    state_.currentPlayer = 0;
    work_.run(nextPlayer());
}

namespace {
// Marks a pause in progress for as long as its frame lives, however it ends.
class PauseMark {
public:
    explicit PauseMark(bool& mark) : mark_(mark), outer_(std::exchange(mark, true)) {}
    ~PauseMark() { mark_ = outer_; }
    PauseMark(const PauseMark&) = delete;
    PauseMark& operator=(const PauseMark&) = delete;

private:
    bool& mark_;
    bool outer_;
};
} // namespace

Task<> TurnFlow::pause(int ms) {
    const PauseMark mark(state_.pauseActive);
    co_await timekeeper_.sleep(ms);
}

void TurnFlow::playSound(const QString& name) {
    if (options_.soundOn)
        Q_EMIT soundWanted(name);
}

void TurnFlow::setBoardInput(bool on, BoardInputSite site) {
    board_.setBoardEnabled(on);
    Q_EMIT protocolLine(QStringLiteral("Paintbox1 %1 (Zeile %2)")
                            .arg(on ? QStringLiteral("eingeschaltet") : QStringLiteral("ausgeschaltet"))
                            .arg(static_cast<int>(site)));
}

void TurnFlow::statusRefresh() {
    board_.showKnownGroups(knownGroups(state_));
    board_.showRemainingGroups(state_.remainingGroups);
    board_.drawStatusStrip();
    state_.lastRefreshTicks = clock_.ticks();
    Q_EMIT turnChanged();
}

void TurnFlow::abandonGame() {
    const bool wasRunning = state_.gameRunning;
    state_.gameRunning = false;
    state_.abortRequested = true;
    work_.cancel();
    if (wasRunning)
        takeBackTurn();
    // The strip would otherwise show the players of a game that is over.
    board_.drawStatusStrip();
}

// The turn in progress never ends now: its cards lie face down again, on the screen as in the
// state, so a stopped network game shows the same board on both computers whichever of the
// turn's cards reached the other one. Its transitions went with it and draw nothing more.
void TurnFlow::takeBackTurn() {
    turnAllFaceDown(state_);
    state_.pendingCards.clear();
    board_.redrawFaceDownCards();
    board_.repaintBoard();
}

void TurnFlow::requestAbort() {
    state_.abortRequested = true;
    work_.cancel();
}

void TurnFlow::marksChanged() {
    marksChanged_.notify();
}

int TurnFlow::mismatchPause(int difficulty) {
    switch (difficulty) {
    case 0:
        return 1300;
    case 2:
        return 200;
    default:
        return 700;
    }
}

StatEntry& TurnFlow::currentTally() {
    const int p = state_.currentPlayer;
    return tallies_[(p >= 1 && p <= kMaxPlayers) ? p : 0];
}
