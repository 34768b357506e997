#include "networkgame.h"

#include "dealing.h"
#include "gamestate.h"
#include "net/blockport.h"
#include "net/networkblock.h"
#include "turnflow.h"

#include <utility>

namespace {

static_assert(kMessageSlotCount == kSlotCount, "the game data carries every slot of the large board");

Invitation invitationOf(const GameState& state) {
    Invitation invitation;
    invitation.playerCount = state.playerCount;
    for (int i = 1; i <= 4; ++i) {
        const Player& player = state.players[i];
        invitation.players[i - 1] = InvitedPlayer{player.name, player.isComputer, player.isNetwork};
    }
    return invitation;
}

} // namespace

NetworkGame::NetworkGame(GameState& state, GameTallies& tallies, TurnFlow& flow, BoardPort& board,
                         BlockPort& net, NetworkGameHost& host, QObject* parent)
    : QObject(parent), state_(state), tallies_(tallies), flow_(flow), board_(board), net_(net), host_(host) {}

void NetworkGame::send(MessageType type, const QByteArray& payload) {
    net_.sendBlock(makeBlock(static_cast<quint8>(type), payload));
}

void NetworkGame::sendCard(int participant, int slot) {
    send(MessageType::CardTurned, encodeCardTurned(participant, slot));
    Q_EMIT protocolLine(QStringLiteral("Habe dem Gegner eine Karte geschickt"));
}

void NetworkGame::reportReady() {
    send(MessageType::ReadyForCard, encodeSignal());
    Q_EMIT protocolLine(
        QStringLiteral("Habe Meldung abgesetzt, dass ich bereit fuer den Empfang der naechsten Karte bin"));
}

void NetworkGame::reportAllCardsReceived() {
    send(MessageType::AllCardsReceived, encodeSignal());
    Q_EMIT protocolLine(QStringLiteral("Habe Meldung abgesetzt, dass alle Karten empfangen wurden"));
}

void NetworkGame::sendGameData(quint16 cardCount, bool triples, bool pictures) {
    GameData data{cardCount, cardCount == 120, triples, pictures, {}};
    for (int k = 1; k <= kSlotCount; ++k)
        data.motifs[k] = state_.cards[k].motif;
    send(MessageType::GameData, encodeGameData(data));
}

void NetworkGame::sendAnswer(bool accepted) {
    send(MessageType::Answer, encodeAnswer(accepted));
}

void NetworkGame::sendInvitation() {
    net_.keepConnection();
    send(MessageType::Invitation, encodeInvitation(invitationOf(state_)));
}

void NetworkGame::onBlockReceived(const NetworkBlock& block) {
    const QByteArray& payload = block.payload;
    switch (static_cast<MessageType>(block.type)) {
    case MessageType::Invitation:
        invitationReceived(payload);
        break;
    case MessageType::Answer:
        if (const auto accepted = decodeAnswer(payload))
            Q_EMIT invitationAnswered(*accepted);
        break;
    case MessageType::GameData:
        gameDataReceived(payload);
        break;
    case MessageType::CardTurned:
        cardReceived(payload);
        break;
    case MessageType::AllCardsReceived:
        markReceived(payload, &GameState::peerTurnDone, QStringLiteral("Alle Karten wurden empfangen..."));
        break;
    case MessageType::ReadyForCard:
        markReceived(payload, &GameState::peerReady, QStringLiteral("Gegner ist bereit für nächste Karte"));
        break;
    default:
        break; // other types are not ours
    }
}

// A signal of the other computer sets its mark, which a waiting turn goes on from.
void NetworkGame::markReceived(const QByteArray& payload, bool GameState::*mark, const QString& line) {
    if (!isSignal(payload))
        return;
    Q_EMIT protocolLine(line);
    state_.*mark = true;
    flow_.marksChanged();
}

void NetworkGame::invitationReceived(const QByteArray& payload) {
    const auto invitation = decodeInvitation(payload);
    if (!invitation)
        return;
    net_.keepConnection();
    // One question at a time. An invitation that comes while it is open waits for it to close;
    // "no" would claim a decision the user never made.
    if (asking_) {
        laterInvitation_ = ReceivedInvitation{*invitation, connectionChanges_};
        return;
    }
    questions_.run(answerInvitations(ReceivedInvitation{*invitation, connectionChanges_}));
}

Task<> NetworkGame::answerInvitations(ReceivedInvitation first) {
    std::optional<ReceivedInvitation> next = std::move(first);
    while (next) {
        co_await askAbout(next->invitation);
        const quint32 askedOn = next->connection;
        next = std::exchange(laterInvitation_, std::nullopt);
        // A repeat from the caller just asked has had its answer; a caller gone meanwhile wants
        // none. A caller that came after the asked one hung up is asked in turn.
        if (next && (next->connection == askedOn || next->connection != connectionChanges_))
            next.reset();
    }
}

Task<> NetworkGame::askAbout(Invitation invitation) {
    const quint32 askedOn = connectionChanges_;
    asking_ = true;
    const bool join = co_await host_.askToJoin();
    asking_ = false;
    // The caller hung up meanwhile: the answer would reach nobody, or a later caller.
    if (connectionChanges_ != askedOn)
        co_return;
    if (!join) {
        sendAnswer(false);
        co_return;
    }
    sendAnswer(true);
    // The participants are replaced at once; a game of this computer's own cannot go on
    // with them.
    if (state_.gameRunning)
        flow_.abandonGame();
    state_.playerCount = invitation.playerCount;
    for (int i = 1; i <= 4; ++i) {
        const InvitedPlayer& invited = invitation.players[i - 1];
        Player& player = state_.players[i];
        player.name = invited.name;
        player.isComputer = invited.isComputer;
        player.isNetwork = !invited.isNetwork;
        // The invitation carries no strength: computers played here play as "Normal".
        player.level = invited.isComputer ? 2 : 0;
        player.score = 0;
    }
    state_.settings.networkGame = true;
    awaitingGameData_ = true;
}

void NetworkGame::gameDataReceived(const QByteArray& payload) {
    const auto data = decodeGameData(payload);
    if (!data || !awaitingGameData_)
        return;
    awaitingGameData_ = false;
    Q_EMIT protocolLine(QStringLiteral("dbSpielDaten empfangen..."));
    if (state_.gameRunning)
        flow_.abandonGame();
    for (int k = 1; k <= kSlotCount; ++k) {
        Card& card = state_.cards[k];
        card.motif = data->motifs[k];
        card.present = true;
        card.faceUp = false;
        card.revealCount = 0;
    }
    state_.settings.motifKind = data->pictures ? MotifKind::Pictures : MotifKind::Numbers;
    state_.settings.groupSize = data->triples ? 3 : 2;
    state_.settings.largeBoard = data->largeBoard;
    host_.prepareOfferedGame(data->largeBoard, data->triples, data->pictures);
    state_.remainingGroups = groupsForBoard(data->largeBoard, state_.settings.groupSize);
    for (int p = 1; p <= kMaxPlayers; ++p)
        state_.players[p].score = 0;
    prepareTallies(state_, tallies_);
    state_.pendingCards.clear();
    state_.abortRequested = false;
    beginGame(state_);
    board_.repaintBoard();
    flow_.statusRefresh();
    board_.drawFreshBoard();
    flow_.startFirstTurn();
}

void NetworkGame::cardReceived(const QByteArray& payload) {
    Q_EMIT protocolLine(QStringLiteral("dbKarteGeklickt empfangen..."));
    const auto card = decodeCardTurned(payload);
    if (!card || !state_.gameRunning || !state_.currentIsNetwork())
        return;
    Q_EMIT protocolLine(QStringLiteral("dbKarteGeklickt wurde weitergeleitet..."));
    if (card->participant != state_.currentPlayer)
        Q_EMIT protocolLine(QStringLiteral("dbKarteGeklickt: falscher Spieler: %1!").arg(card->participant));
    // Only a card that can be turned on this board is replayed.
    if (!isTurnable(state_, card->slot))
        return;
    flow_.turnCard(card->slot);
}

void NetworkGame::onOnlineChanged() {
    ++connectionChanges_;
    if (net_.isOnline()) {
        Q_EMIT peerConnected();
        return;
    }
    awaitingGameData_ = false;
    // Only a game played with the other computer ends with its connection.
    if (state_.settings.networkGame) {
        state_.settings.networkGame = false;
        flow_.abandonGame();
    }
    host_.showConnectionLost();
}

void NetworkGame::endConnection() {
    if (net_.isOnline())
        net_.closeConnections();
}
