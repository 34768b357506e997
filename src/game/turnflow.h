#pragma once

#include "gamestate.h"
#include "records/programoptions.h"
#include "records/statentry.h"
#include "turnports.h"

#include <QObject>

class MessageWait;
class TickClock;

// The rules engine of a running game. Every turned card goes through turnCard(), whoever
// turns it: a click on the board, a computer player, or the other computer. What it asks of
// the screen and the dialogs it needs done before it goes on; the sounds, the results and the
// reports to the other computer it tells by signals, each handled before the turn goes on.
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

    TurnFlow(GameState& state, GameTallies& tallies, const ProgramOptions& options, MessageWait& wait,
             const TickClock& clock, BoardPort& board, DialogPort& dialogs, QObject* parent = nullptr);

    // Turns the card in the slot for the participant to move; a slot that cannot be turned
    // (0, empty, face up, beyond the board) turns nothing.
    void turnCard(int slot);
    void nextPlayer();
    void startNewGame();
    // Hands the first turn of a freshly dealt game to participant 1.
    void startFirstTurn();

    void pause(int ms);
    void playSound(const QString& name);
    void setBoardInput(bool on, BoardInputSite site);
    void statusRefresh();

    // Ends the running game at once (abandoned, or the connection ended); every pause and
    // wait of a turn in progress ends, and that turn does not go on.
    void abandonGame();
    // Sets abortRequested, as closing the program does.
    void requestAbort();
    // To be called after peerReady or peerTurnDone changed, so waiting turns look again.
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
    // False when the game ended meanwhile and the turn must not go on.
    bool revealCard(int slot, quint32 generation);
    void waitForPeerThenReport(int slot);
    void useUpPeerMark(bool& mark);
    bool resolveSecondCard(int slot, quint32 generation);
    bool resolveThirdCard(int slot, quint32 generation);
    bool mismatch(quint32 generation);
    void groupScored(BoardInputSite site);
    void endGame();
    void takeBackTurn();
    bool pauseFor(int ms, quint32 generation);
    bool interrupted(quint32 generation) const;
    StatEntry& currentTally();

    GameState& state_;
    GameTallies& tallies_;
    const ProgramOptions& options_;
    MessageWait& wait_;
    const TickClock& clock_;
    BoardPort& board_;
    DialogPort& dialogs_;
};
