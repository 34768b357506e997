#pragma once

#include "timing/task.h"

#include <QObject>
#include <QTimer>

class GameRandom;
class TickClock;
class TurnFlow;
struct GameState;

// Plays the local computer participants. While one of them is to move, its timer asks it every
// 10 ms to move; it chooses cards and turns them through the turn flow, exactly as a click would,
// as a move the turn flow runs in line with its turns.
class ComputerPlayer : public QObject {
    Q_OBJECT
public:
    ComputerPlayer(GameState& state, TurnFlow& flow, GameRandom& random, const TickClock& clock,
                   QObject* parent = nullptr);

    // One tick of the timer, which rests while the move is made.
    void onTimer();
    // Starts the timer when a local computer participant is to move; for the turn flow's
    // turnChanged().
    void wake();
    bool timerActive() const { return timer_.isActive(); }

    // A move starts only this long after the last status refresh.
    static constexpr quint32 kThinkingMs = 500;

private:
    class MovingMark;
    bool computerToMove() const;
    bool mayMove() const;
    Task<> move();
    Task<> playPairs(int n, int threshold);
    Task<> playTriples(int n, int threshold);
    // Turns the card in `slot`; false for a slot off the board, which ends the move.
    Task<bool> turn(int slot);
    int randomFreeCard(int n);

    GameState& state_;
    TurnFlow& flow_;
    GameRandom& random_;
    const TickClock& clock_;
    QTimer timer_{this};
    bool moving_ = false;
};
