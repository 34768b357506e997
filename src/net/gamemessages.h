#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The messages two games exchange, one block each; the block type is the message type.
enum class MessageType : quint8 {
    Invitation = 1,
    Answer = 2,
    GameData = 3,
    CardTurned = 4,
    AllCardsReceived = 5,
    ReadyForCard = 6,
};

inline constexpr int kInvitationSize = 93;
inline constexpr int kGameDataSize = 485;
inline constexpr int kLargestMessage = kGameDataSize;
// The slots a message can name: those of the large board.
inline constexpr int kMessageSlotCount = 120;

struct InvitedPlayer {
    QString name; // at most 20 characters travel
    bool isComputer = false;
    bool isNetwork = false;
};

struct Invitation {
    int playerCount = 0;
    std::array<InvitedPlayer, 4> players;
};

struct GameData {
    quint16 cardCount = 0;
    bool largeBoard = false;
    bool triples = false;
    bool pictures = true;
    std::array<qint32, kMessageSlotCount + 1> motifs{}; // 1-based, [0] unused
};

struct CardTurned {
    int participant = 0;
    int slot = 0;
};

// All four participant records go out, also those beyond playerCount.
QByteArray encodeInvitation(const Invitation& invitation);
QByteArray encodeAnswer(bool accepted);
// The motifs of all 120 slots go out, also those beyond the board.
QByteArray encodeGameData(const GameData& data);
QByteArray encodeCardTurned(int participant, int slot);
// AllCardsReceived and ReadyForCard carry the number 1 and nothing else.
QByteArray encodeSignal();

// Decoding checks everything a game will rely on; a message that fails is to be ignored.
std::optional<Invitation> decodeInvitation(const QByteArray& payload);
std::optional<bool> decodeAnswer(const QByteArray& payload);
// The board must be one a game can be played on: every motif of the board's slots within the
// board's groups, each exactly as often as a group has cards.
std::optional<GameData> decodeGameData(const QByteArray& payload);
std::optional<CardTurned> decodeCardTurned(const QByteArray& payload);
bool isSignal(const QByteArray& payload);
