#pragma once

#include "game/turnports.h"
#include "gamemessages.h"
#include "records/statentry.h"

#include <optional>

class BlockPort;
class MessageWait;
class TurnFlow;
struct GameState;
struct NetworkBlock;

// What the network game needs of the windows.
class NetworkGameHost {
public:
    virtual ~NetworkGameHost() = default;
    // "Wollen Sie ein Netzwerkspiel spielen?"; true for Yes.
    virtual bool askToJoin() = 0;
    // "Die Verbindung zum Netzwerk-Spieler wurde unterbrochen." Called from inside the network
    // component's handling of the end, so it must not wait for the user there.
    virtual void showConnectionLost() = 0;
    // A game offered by the other computer begins: the new-game dialog's lamps follow its
    // choice, the window takes the board's size and the built-in pictures are used.
    virtual void prepareOfferedGame(bool largeBoard, bool triples, bool pictures) = 0;
};

// The game protocol between two computers: the messages going out for the turn flow, and
// every block coming in. Each side replays the other side's cards through the same turn flow,
// so both reach the same state.
class NetworkGame : public PeerPort {
public:
    NetworkGame(GameState& state, GameTallies& tallies, TurnFlow& flow, BoardPort& board, MessageWait& wait,
                BlockPort& net, NetworkGameHost& host);

    void setProtocol(ProtocolSink* protocol) { protocol_ = protocol; }

    void sendCard(int participant, int slot) override;
    void reportReady() override;
    void reportAllCardsReceived() override;
    void sendGameData(quint16 cardCount, bool triples, bool pictures);
    void sendAnswer(bool accepted);
    void sendInvitation();

    void onBlockReceived(const NetworkBlock& block);
    void onOnlineChanged();
    void endConnection();

    // Marks of an invitation in progress, set by the handlers above.
    bool peerConnected = false;
    bool inviteAccepted = false;
    bool inviteDeclined = false;

private:
    void invitationReceived(const QByteArray& payload);
    // Asks the user and answers the caller, if it is still there.
    void askAbout(const Invitation& invitation);
    void gameDataReceived(const QByteArray& payload);
    void cardReceived(const QByteArray& payload);
    void send(MessageType type, const QByteArray& payload);
    void protocolLine(const QString& text);

    GameState& state_;
    GameTallies& tallies_;
    TurnFlow& flow_;
    BoardPort& board_;
    MessageWait& wait_;
    BlockPort& net_;
    NetworkGameHost& host_;
    ProtocolSink* protocol_ = nullptr;
    // Game data is taken only after this side accepted an invitation on this connection.
    bool awaitingGameData_ = false;
    // The question about an invitation is open.
    bool asking_ = false;
    // An invitation, with the count of connection changes when it came.
    struct ReceivedInvitation {
        Invitation invitation;
        quint32 connection = 0;
    };
    // The latest invitation that came while the question was open.
    std::optional<ReceivedInvitation> laterInvitation_;
    // Counts the changes of the connection, so an answer can tell whether its caller is gone.
    quint32 connectionChanges_ = 0;
};
