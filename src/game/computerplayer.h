#pragma once

#include <QtGlobal>

class GameRandom;
class QTimer;
class TickClock;
class TurnFlow;
struct GameState;

// Plays the local computer participants. While one of them is to move, the computer timer asks it every
// 10 ms to move; it chooses cards and turns them through the turn flow, exactly as a click would.
class ComputerPlayer {
public:
    ComputerPlayer(GameState& state, TurnFlow& flow, GameRandom& random, const TickClock& clock);

    // The computer timer, which is stopped while a move is being made (the move's pauses process messages)
    // and while no local computer participant is to move; the turn flow starts it again.
    void setTimer(QTimer* timer);

    void onTimer();
    // Starts the timer when a local computer participant is to move.
    void wake();

    // A move starts only this long after the last status refresh.
    static constexpr quint32 kThinkingMs = 500;

private:
    bool computerToMove() const;
    bool mayMove() const;
    void playPairs(int n, int threshold);
    void playTriples(int n, int threshold);
    // Turns the card in `slot`; false when the game moved on meanwhile and the move must end.
    bool turn(int slot, quint32 generation);
    int randomFreeCard(int n);

    GameState& state_;
    TurnFlow& flow_;
    GameRandom& random_;
    const TickClock& clock_;
    QTimer* timer_ = nullptr;
    bool moving_ = false;
};
