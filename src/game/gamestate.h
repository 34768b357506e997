#pragma once

#include <QString>

#include <array>
#include <cstdint>

class GameRandom;

constexpr int kSlotCount = 120;
constexpr int kCardSize = 40;
constexpr int kMaxPlayers = 4;
constexpr int kMaxPendingCards = 3;

enum class MotifKind { Pictures, Numbers };

// The choices of the new-game dialog, fixed for the length of a game.
struct GameSettings {
    bool largeBoard = false;
    int groupSize = 2;
    MotifKind motifKind = MotifKind::Pictures;
    quint8 difficulty = 1; // 0 "Leicht", 1 "Mittel", 2 "Schwer"
    bool networkGame = false;
};

// One board slot and the card lying in it.
struct Card {
    qint32 left = 0;
    qint32 top = 0;
    bool present = false;
    bool faceUp = false;
    qint32 revealCount = 0;
    qint32 motif = 0;
};

// Item index of the kind list in the new-game dialog.
enum class PlayerKind : qint32 {
    Human = 0,
    ComputerDumb = 1,
    ComputerNormal = 2,
    ComputerUnbeatable = 3,
};

struct Player {
    QString name;
    qint32 score = 0;
    bool isComputer = false;
    bool isNetwork = false;
    qint32 level = 0; // a PlayerKind value
};

struct PendingCard {
    qint32 motif = 0;
    qint32 slot = 0;
};

// The cards turned face up since the last hide or remove animation, in turning order.
class PendingCards {
public:
    void append(qint32 motif, qint32 slot);
    void clear() { count_ = 0; }
    int count() const { return count_; }
    const PendingCard& at(int i) const { return entries_[i]; }
    const PendingCard* begin() const { return entries_.data(); }
    const PendingCard* end() const { return entries_.data() + count_; }

private:
    std::array<PendingCard, kMaxPendingCards> entries_{};
    int count_ = 0;
};

// The one game state of the program, reused from game to game.
struct GameState {
    GameState();

    std::array<Card, kSlotCount + 1> cards{};      // 1-based, [0] unused
    std::array<Player, kMaxPlayers + 1> players{}; // 1-based, [0] unused
    qint32 playerCount = 0;
    qint32 currentPlayer = 1;
    qint32 turnCardCount = 0;
    qint32 firstCard = 0;
    qint32 secondCard = 0;
    qint32 remainingGroups = 0;
    bool gameRunning = false;
    bool abortRequested = false;
    bool pauseActive = false;
    quint32 lastRefreshTicks = 0;
    std::array<qint32, 3> computerPicks{};
    PendingCards pendingCards;
    bool peerReady = false;
    bool peerTurnDone = false;
    GameSettings settings;

    // Bumped whenever a game is dealt or abandoned, so that a turn interrupted inside a
    // pause can tell that the game it was working on is gone.
    quint32 gameGeneration = 0;

    int cardCount() const { return settings.largeBoard ? 120 : 60; }
    const Player& current() const;
    bool currentIsLocalHuman() const;
    bool currentIsNetwork() const;
};

// Slot k of the 120 fixed slots: left/top of its card in the board view.
int slotLeft(int slot);
int slotTop(int slot);

// Computes the 120 slot positions and marks every slot not present and face down.
void computeSlotPositions(GameState& state);

// True for a slot of the current board whose card is present and face down.
bool isTurnable(const GameState& state, int slot);

// The slot whose card interior strictly contains (x, y) and that can be turned; 0 if none.
int hitTest(const GameState& state, int x, int y);

// A random slot of 1..n that is present and face down; see the header comment in the source.
int randomCard(const GameState& state, int n, GameRandom& random);

// Groups still on the board whose cards have all been turned face up at least once.
int knownGroups(const GameState& state);

struct GameResult {
    int winner = 0;
    bool draw = false;
};
GameResult decideResult(const GameState& state);

// Groups of a freshly dealt board.
int groupsForBoard(bool largeBoard, int groupSize);

void turnAllFaceDown(GameState& state);
