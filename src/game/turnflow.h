#pragma once

#include "gamestate.h"
#include "records/programoptions.h"
#include "records/statentry.h"
#include "timing/notifier.h"
#include "timing/taskqueue.h"
#include "turnports.h"

#include <QObject>

class TickClock;
class Timekeeper;

// The rules engine of a running game. Every turned card goes through turnCard(), whoever
// turns it: a click on the board, a computer player, or the other computer. A turn is a task
// that waits (pauses, card transitions, the other computer's marks, the end dialog) by
// suspending, never by running the event loop itself; turns run one at a time, in the order
// their cards came, and abandoning the game drops the running one where it waits. What it asks
// of the screen and the dialogs it awaits; the sounds, the results and the reports to the
// other computer it tells by signals, each handled before the turn goes on.
class TurnFlow : public QObject {
    Q_OBJECT
public:
    // Where the board input was switched; the debug protocol prints these numbers, so they
    // never change.
    enum class BoardInputSite : int {
        CardPressed = 827,       // turnCard: off before anything else
        NothingTurned = 841,     // turnCard: no turnable card, the local human goes on
        FirstCardTurned = 865,   // turnCard: first card of a turn shown
        TripleRemoved = 885,     // a triple scored
        PairRemoved = 956,       // a pair scored
        SecondCardMatched = 992, // triples game: waiting for the third card
        TurnPassed = 769,        // nextPlayer: the next local human may choose
        FirstTurnPending = 760,  // startFirstTurn: off until nextPlayer hands out the turn
    };

    TurnFlow(GameState& state, GameTallies& tallies, const ProgramOptions& options, Timekeeper& timekeeper,
             const TickClock& clock, BoardPort& board, DialogPort& dialogs, QObject* parent = nullptr);

    // Turns the card in the slot for the participant to move, once the turn before is done; a
    // slot that cannot be turned (0, empty, face up, beyond the board) turns nothing.
    void turnCard(int slot);
    // The same as a task, for a move that goes on after its card (a computer player's).
    Task<> turn(int slot);
    // Runs game work after the turns before it, and stops with them (a computer player's move).
    void play(Task<> work);
    // A turn or a move runs, or waits to run.
    bool busy() const { return work_.busy(); }
    Task<> nextPlayer();
    void startNewGame();
    // Hands the first turn of a freshly dealt game to participant 1; whatever the flow still
    // did for the game before (its end dialog, say) is dropped.
    void startFirstTurn();

    Task<> pause(int ms);
    void playSound(const QString& name);
    void setBoardInput(bool on, BoardInputSite site);
    void statusRefresh();

    // Ends the running game at once (abandoned, or the connection ended); the turn in
    // progress stops where it waits and never goes on.
    void abandonGame();
    // Sets abortRequested and stops the turn in progress, as closing the program does.
    void requestAbort();
    // To be called after peerReady or peerTurnDone changed, so a waiting turn looks again.
    void marksChanged();

    // The mismatch pause by difficulty: 1300, 700 or 200 ms.
    static int mismatchPause(int difficulty);

Q_SIGNALS:
    // The turn passed, or the status was refreshed: a computer player may have to move.
    void turnChanged();
    // One of the program's sounds ("ppp1" .. "ppp5"), while sounds are on.
    void soundWanted(const QString& name);
    // At a game's end, each participant's points, for the high-score table (games of two or
    // more only).
    void finalScore(const QString& name, quint32 points);
    // At every game's end, after its scores: what the game changed, to reach the files at once,
    // so that no later end of the program can lose it.
    void gameFinished(const GameTallies& tallies, int playerCount);
    // For the other computer in a network game: a card turned here (once it was ready for it),
    // ready for the next card, all of its turn's cards received.
    void cardToSend(int participant, int slot);
    void readyForNextCard();
    void allCardsReceived();
    // A line of the debug protocol.
    void protocolLine(const QString& text);

private:
    Task<> revealCard(int slot);
    Task<> waitForPeerThenReport(int slot);
    // Waits until the other computer has set the mark, then clears it: the marks are not counters.
    Task<> useUpPeerMark(bool GameState::*mark);
    Task<> resolveSecondCard(int slot);
    Task<> resolveThirdCard(int slot);
    Task<> mismatch();
    Task<> groupScored(BoardInputSite site);
    Task<> endGame();
    void takeBackTurn();
    StatEntry& currentTally();

    GameState& state_;
    GameTallies& tallies_;
    const ProgramOptions& options_;
    Timekeeper& timekeeper_;
    const TickClock& clock_;
    BoardPort& board_;
    DialogPort& dialogs_;
    Notifier marksChanged_;
    // The turns and moves of the game; dropping them is the one way a turn stops early.
    TaskQueue work_;
};
