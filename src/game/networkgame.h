#pragma once

#include "net/gamemessages.h"
#include "records/statentry.h"
#include "timing/taskqueue.h"
#include "turnports.h"

#include <QObject>

#include <optional>

class BlockPort;
class TurnFlow;
struct GameState;
struct NetworkBlock;

// What the network game needs of the windows.
class NetworkGameHost {
public:
    virtual ~NetworkGameHost() = default;
    // "Wollen Sie ein Netzwerkspiel spielen?"; true for Yes, once the user has answered.
    virtual Task<bool> askToJoin() = 0;
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
class NetworkGame : public QObject {
    Q_OBJECT
public:
    NetworkGame(GameState& state, GameTallies& tallies, TurnFlow& flow, BoardPort& board, BlockPort& net,
                NetworkGameHost& host, QObject* parent = nullptr);

    // For the turn flow's reports: a card turned here, ready for the next card, all of the
    // other computer's cards received.
    void sendCard(int participant, int slot);
    void reportReady();
    void reportAllCardsReceived();
    void sendGameData(quint16 cardCount, bool triples, bool pictures);
    void sendAnswer(bool accepted);
    void sendInvitation();

    void onBlockReceived(const NetworkBlock& block);
    void onOnlineChanged();
    void endConnection();

Q_SIGNALS:
    // For an invitation in progress: a connection to the other computer stands.
    void peerConnected();
    // The other computer answered the invitation.
    void invitationAnswered(bool accepted);
    // A line of the debug protocol.
    void protocolLine(const QString& text);

private:
    struct ReceivedInvitation;
    void invitationReceived(const QByteArray& payload);
    // Asks about the invitation, then about one that came meanwhile from a later caller.
    Task<> answerInvitations(ReceivedInvitation first);
    // Asks the user and answers the caller, if it is still there.
    Task<> askAbout(Invitation invitation);
    void gameDataReceived(const QByteArray& payload);
    void cardReceived(const QByteArray& payload);
    void markReceived(const QByteArray& payload, bool GameState::*mark, const QString& line);
    void send(MessageType type, const QByteArray& payload);

    GameState& state_;
    GameTallies& tallies_;
    TurnFlow& flow_;
    BoardPort& board_;
    BlockPort& net_;
    NetworkGameHost& host_;
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
    // The open question and the ones after it.
    TaskQueue questions_;
};
