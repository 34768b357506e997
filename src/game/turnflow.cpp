#include "turnflow.h"

#include "messagewait.h"
#include "timing/tickclock.h"

#include <QCoreApplication>

namespace {

// The program's sounds, by the resource names they are stored under.
const QString kTurnSound = QStringLiteral("ppp1");
const QString kMismatchSound = QStringLiteral("ppp2");
const QString kMatchSound = QStringLiteral("ppp3");
const QString kWinSound = QStringLiteral("ppp4");
const QString kDrawSound = QStringLiteral("ppp5");

} // namespace

TurnFlow::TurnFlow(GameState& state, GameTallies& tallies, const ProgramOptions& options, MessageWait& wait,
                   const TickClock& clock, BoardPort& board, DialogPort& dialogs, QObject* parent)
    : QObject(parent), state_(state), tallies_(tallies), options_(options), wait_(wait), clock_(clock),
      board_(board), dialogs_(dialogs) {}

void TurnFlow::turnCard(int slot) {
    setBoardInput(false, BoardInputSite::CardPressed);
    if (!state_.gameRunning)
        return;
    if (!isTurnable(state_, slot)) {
        if (state_.currentIsLocalHuman())
            setBoardInput(true, BoardInputSite::NothingTurned);
        return;
    }
    // Everything below may process window messages; a new game started meanwhile must not
    // be played on by this turn.
    const quint32 generation = state_.gameGeneration;
    if (state_.settings.networkGame && !state_.currentIsNetwork()) {
        waitForPeerThenReport(slot);
        if (interrupted(generation))
            return;
    }
    if (!revealCard(slot, generation))
        return;

    switch (state_.turnCardCount) {
    case 1:
        state_.firstCard = slot;
        if (state_.currentIsNetwork())
            Q_EMIT readyForNextCard();
        if (state_.currentIsLocalHuman())
            setBoardInput(true, BoardInputSite::FirstCardTurned);
        break;
    case 2:
        if (!resolveSecondCard(slot, generation))
            return;
        break;
    case 4:
        if (!resolveThirdCard(slot, generation))
            return;
        break;
    default:
        break;
    }
    statusRefresh();
}

bool TurnFlow::revealCard(int slot, quint32 generation) {
    Card& card = state_.cards[slot];
    card.faceUp = true;
    ++card.revealCount;
    ++state_.turnCardCount;
    playSound(kTurnSound);
    // The sound processes messages: a game that ended there shows no more cards.
    if (interrupted(generation))
        return false;
    state_.pendingCards.append(card.motif, slot);
    board_.showCard(card.motif, card.left, card.top);
    return !interrupted(generation);
}

void TurnFlow::waitForPeerThenReport(int slot) {
    useUpPeerMark(state_.peerReady);
    // Sent even when the wait ended otherwise; the other computer drops it when no game runs.
    Q_EMIT cardToSend(state_.currentPlayer, slot);
}

// Waits, processing messages, until the other computer has set the mark (or the game ended),
// then clears it: the marks are not counters.
void TurnFlow::useUpPeerMark(bool& mark) {
    wait_.waitUntil([this, &mark] { return mark || !state_.gameRunning || state_.abortRequested; });
    mark = false;
}

bool TurnFlow::resolveSecondCard(int slot, quint32 generation) {
    if (state_.cards[slot].motif != state_.cards[state_.firstCard].motif)
        return mismatch(generation);
    if (!pauseFor(200, generation))
        return false;
    playSound(kMatchSound);
    if (interrupted(generation))
        return false;
    if (state_.settings.groupSize == 3) {
        state_.secondCard = slot;
        state_.turnCardCount = 3;
        if (state_.currentIsNetwork())
            Q_EMIT readyForNextCard();
        if (state_.currentIsLocalHuman())
            setBoardInput(true, BoardInputSite::SecondCardMatched);
        return true;
    }
    if (!pauseFor(500, generation))
        return false;
    board_.removeFaceUpCards();
    if (interrupted(generation))
        return false;
    ++currentTally().pairsFound;
    if (!pauseFor(300, generation))
        return false;
    state_.cards[state_.firstCard].present = false;
    state_.cards[slot].present = false;
    groupScored(BoardInputSite::PairRemoved);
    return true;
}

bool TurnFlow::resolveThirdCard(int slot, quint32 generation) {
    if (state_.cards[slot].motif != state_.cards[state_.secondCard].motif)
        return mismatch(generation);
    ++currentTally().pairsFound;
    if (!pauseFor(200, generation))
        return false;
    playSound(kMatchSound);
    if (!pauseFor(300, generation) || !pauseFor(500, generation))
        return false;
    board_.removeFaceUpCards();
    if (interrupted(generation))
        return false;
    state_.cards[state_.firstCard].present = false;
    state_.cards[state_.secondCard].present = false;
    state_.cards[slot].present = false;
    groupScored(BoardInputSite::TripleRemoved);
    return true;
}

bool TurnFlow::mismatch(quint32 generation) {
    ++currentTally().misses;
    if (!pauseFor(100, generation))
        return false;
    playSound(kMismatchSound);
    if (!pauseFor(mismatchPause(state_.settings.difficulty), generation))
        return false;
    board_.hideFaceUpCards();
    if (interrupted(generation))
        return false;
    nextPlayer();
    return !interrupted(generation);
}

// The same participant moves again after a found group.
void TurnFlow::groupScored(BoardInputSite site) {
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
        endGame();
}

void TurnFlow::endGame() {
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
    dialogs_.showEndDialog(text);
}

void TurnFlow::nextPlayer() {
    const quint32 generation = state_.gameGeneration;
    Q_EMIT protocolLine(QStringLiteral("In Prozedure naechsterSpieler eingetreten"));
    turnAllFaceDown(state_);
    board_.repaintBoard();
    if (state_.currentPlayer != 0 && state_.settings.networkGame) {
        if (state_.currentIsNetwork()) {
            Q_EMIT allCardsReceived();
        } else {
            useUpPeerMark(state_.peerTurnDone);
            if (interrupted(generation))
                return;
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
    setBoardInput(false, BoardInputSite::FirstTurnPending);
    state_.currentPlayer = 0;
    nextPlayer();
}

void TurnFlow::pause(int ms) {
    // Pauses nest when a turn runs inside another one's pause; the outer one is still active.
    const bool outerPauseActive = state_.pauseActive;
    state_.pauseActive = true;
    wait_.waitFor(ms, [this] { return state_.abortRequested; });
    state_.pauseActive = outerPauseActive;
}

void TurnFlow::playSound(const QString& name) {
    // The sound is played at once, never held back until a running pause ends: a sound asked
    // for inside a pause can only come from work done inside that pause.
    wait_.processPendingMessages();
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
    ++state_.gameGeneration;
    wait_.wake();
    if (wasRunning)
        takeBackTurn();
    // The strip would otherwise show the players of a game that is over.
    board_.drawStatusStrip();
}

// The turn in progress never ends now: its cards lie face down again, on the screen as in the
// state, so a stopped network game shows the same board on both computers whichever of the
// turn's cards reached the other one. Transitions still running draw nothing more.
void TurnFlow::takeBackTurn() {
    turnAllFaceDown(state_);
    state_.pendingCards.clear();
    board_.redrawFaceDownCards();
    board_.repaintBoard();
}

void TurnFlow::requestAbort() {
    state_.abortRequested = true;
    wait_.wake();
}

void TurnFlow::marksChanged() {
    wait_.wake();
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

bool TurnFlow::pauseFor(int ms, quint32 generation) {
    pause(ms);
    return !interrupted(generation);
}

bool TurnFlow::interrupted(quint32 generation) const {
    return state_.abortRequested || state_.gameGeneration != generation;
}

StatEntry& TurnFlow::currentTally() {
    const int p = state_.currentPlayer;
    return tallies_[(p >= 1 && p <= kMaxPlayers) ? p : 0];
}
