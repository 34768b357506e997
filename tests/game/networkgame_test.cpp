#include "game/networkgame.h"
#include "net/blockport.h"
#include "support/gametable.h"

#include <QSignalSpy>
#include <QtEndian>

#include <functional>

#include <gtest/gtest.h>

namespace {

class FakeNet : public BlockPort {
public:
    void sendBlock(const NetworkBlock& block) override { sent.push_back({block.type, block.payload}); }
    bool isOnline() const override { return online; }
    void closeConnections() override { ++closes; }
    void keepConnection() override { ++kept; }

    std::vector<std::pair<int, QByteArray>> sent;
    bool online = true;
    int closes = 0;
    int kept = 0;
};

class FakeHost : public NetworkGameHost {
public:
    Task<bool> askToJoin() override {
        ++asked;
        if (whileAsked)
            whileAsked();
        co_return join;
    }
    void showConnectionLost() override { ++lostShown; }
    void prepareOfferedGame(bool large, bool triples, bool pictures) override {
        prepared = {large, triples, pictures};
    }
    bool join = true;
    // What happens while the question is open.
    std::function<void()> whileAsked;
    int asked = 0;
    int lostShown = 0;
    std::array<bool, 3> prepared{};
};

NetworkBlock message(MessageType type, const QByteArray& payload) {
    return makeBlock(static_cast<quint8>(type), payload);
}

// The invitation and game data an inviting computer sends: Anna plays there, Bert here.
QByteArray invitationOfAnnaAndBert() {
    Invitation inviting;
    inviting.playerCount = 2;
    inviting.players[0] = InvitedPlayer{QStringLiteral("Anna"), false, false};
    inviting.players[1] = InvitedPlayer{QStringLiteral("Bert"), true, true};
    return encodeInvitation(inviting);
}

QByteArray largeTriplesBoard() {
    GameData inviting{120, true, true, true, {}};
    for (int k = 1; k <= 120; ++k)
        inviting.motifs[k] = (k - 1) % 40 + 1;
    return encodeGameData(inviting);
}

class NetworkGameTest : public ::testing::Test, protected GameTable {
protected:
    void SetUp() override {
        QObject::connect(&flow, &TurnFlow::cardToSend, &game, &NetworkGame::sendCard);
        QObject::connect(&flow, &TurnFlow::readyForNextCard, &game, &NetworkGame::reportReady);
        QObject::connect(&flow, &TurnFlow::allCardsReceived, &game, &NetworkGame::reportAllCardsReceived);
        protocol.listenTo(flow);
        protocol.listenTo(game);
    }

    void receive(MessageType type, const QByteArray& payload) {
        game.onBlockReceived(message(type, payload));
    }

    void joinLargeTriplesGame() {
        receive(MessageType::Invitation, invitationOfAnnaAndBert());
        receive(MessageType::GameData, largeTriplesBoard());
    }

    QList<int> sentTypes() const {
        QList<int> types;
        for (const auto& [type, payload] : net.sent)
            types << type;
        return types;
    }

    FakeNet net;
    FakeHost host;
    NetworkGame game{state, tallies, flow, board, net, host};
};

TEST_F(NetworkGameTest, AnAcceptedInvitationTurnsTheParticipantsAround) {
    receive(MessageType::Invitation, invitationOfAnnaAndBert());
    EXPECT_EQ(host.asked, 1);
    ASSERT_EQ(net.sent.size(), 1u);
    EXPECT_EQ(net.sent[0], std::make_pair(2, QByteArray(1, 1)));
    EXPECT_TRUE(state.settings.networkGame);
    EXPECT_EQ(state.playerCount, 2);
    EXPECT_EQ(state.players[1].name, "Anna");
    EXPECT_TRUE(state.players[1].isNetwork) << "Anna plays at the inviting computer";
    EXPECT_FALSE(state.players[2].isNetwork) << "Bert, the computer player, is played here";
    EXPECT_TRUE(state.players[2].isComputer);
    EXPECT_EQ(state.players[2].level, 2);
}

TEST_F(NetworkGameTest, OneQuestionAtATimeAndOnlyInvitationsKeepACaller) {
    receive(MessageType::Invitation, invitationOfAnnaAndBert().left(92));
    EXPECT_EQ(net.kept, 0) << "a broken invitation does not count";

    host.join = false;
    host.whileAsked = [this] {
        host.whileAsked = nullptr;
        receive(MessageType::Invitation, invitationOfAnnaAndBert());
    };
    receive(MessageType::Invitation, invitationOfAnnaAndBert());
    EXPECT_EQ(host.asked, 1) << "the invitation that came while asking is dropped";
    ASSERT_EQ(net.sent.size(), 1u) << "and gets no answer";
    EXPECT_EQ(net.sent[0].second, QByteArray(1, 0));
    EXPECT_GE(net.kept, 1);

    net.kept = 0;
    game.sendInvitation();
    EXPECT_EQ(net.kept, 1) << "an invitation of this side is under way";
}

TEST_F(NetworkGameTest, ADeclinedInvitationChangesNothing) {
    host.join = false;
    state.playerCount = 3;
    receive(MessageType::Invitation, invitationOfAnnaAndBert());
    ASSERT_EQ(net.sent.size(), 1u);
    EXPECT_EQ(net.sent[0].second, QByteArray(1, 0));
    EXPECT_EQ(state.playerCount, 3);
    EXPECT_FALSE(state.settings.networkGame);
    receive(MessageType::GameData, largeTriplesBoard());
    EXPECT_FALSE(state.gameRunning) << "game data nobody asked for is ignored";
}

TEST_F(NetworkGameTest, GameDataStartsTheSameGameAndAnswersTheFirstRemoteTurn) {
    joinLargeTriplesGame();
    EXPECT_TRUE(state.gameRunning);
    EXPECT_EQ(state.remainingGroups, 40);
    EXPECT_EQ(state.settings.groupSize, 3);
    EXPECT_TRUE(state.settings.largeBoard);
    EXPECT_EQ(host.prepared, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(state.cards[41].motif, 1);
    EXPECT_EQ(state.currentPlayer, 1);
    EXPECT_EQ(tallies[2].name, "Bert");
    EXPECT_EQ(sentTypes(), QList<int>({2, 6})) << "Anna is remote here, so this side is ready for her card";
    EXPECT_TRUE(protocol.lines.contains("dbSpielDaten empfangen..."));
}

TEST_F(NetworkGameTest, ReportedCardsAreReplayedOnlyWhenTheyCanBe) {
    joinLargeTriplesGame();
    receive(MessageType::CardTurned, encodeCardTurned(2, 37));
    EXPECT_TRUE(state.cards[37].faceUp) << "the wrong participant number is noted, the card replayed";
    EXPECT_TRUE(protocol.lines.contains("dbKarteGeklickt: falscher Spieler: 2!"));

    receive(MessageType::CardTurned, encodeCardTurned(1, 37));
    EXPECT_EQ(state.turnCardCount, 1) << "a face-up card is not turned again";
    receive(MessageType::CardTurned, QByteArray::fromHex("017900"));
    EXPECT_EQ(state.turnCardCount, 1) << "slot 121 does not exist";

    state.currentPlayer = 2; // Bert's turn: his cards come from here, not from the network
    protocol.lines.clear();
    receive(MessageType::CardTurned, encodeCardTurned(2, 38));
    EXPECT_FALSE(state.cards[38].faceUp);
    EXPECT_EQ(protocol.lines, QStringList({"dbKarteGeklickt empfangen..."}));
}

TEST_F(NetworkGameTest, SignalsSetTheMarksOfTheExchange) {
    receive(MessageType::ReadyForCard, encodeSignal());
    receive(MessageType::AllCardsReceived, encodeSignal());
    EXPECT_TRUE(state.peerReady);
    EXPECT_TRUE(state.peerTurnDone);
    QSignalSpy answers(&game, &NetworkGame::invitationAnswered);
    receive(MessageType::Answer, encodeAnswer(false));
    ASSERT_EQ(answers.size(), 1);
    EXPECT_FALSE(answers[0][0].toBool()) << "declined";
    receive(MessageType::Answer, QByteArray(2, 1));
    EXPECT_EQ(answers.size(), 1) << "an answer of the wrong size is ignored";
}

TEST_F(NetworkGameTest, OutgoingMessagesCarryTheirPayloadsAndProtocolLines) {
    game.sendCard(2, 37);
    game.reportReady();
    game.reportAllCardsReceived();
    ASSERT_EQ(net.sent.size(), 3u);
    EXPECT_EQ(net.sent[0], std::make_pair(4, QByteArray::fromHex("022500")));
    EXPECT_EQ(net.sent[1], std::make_pair(6, QByteArray::fromHex("01000000")));
    EXPECT_EQ(net.sent[2], std::make_pair(5, QByteArray::fromHex("01000000")));
    EXPECT_EQ(protocol.lines,
              QStringList({"Habe dem Gegner eine Karte geschickt",
                           "Habe Meldung abgesetzt, dass ich bereit fuer den Empfang der naechsten Karte bin",
                           "Habe Meldung abgesetzt, dass alle Karten empfangen wurden"}));
}

TEST_F(NetworkGameTest, ALostConnectionEndsOnlyANetworkGame) {
    startGame({humanPlayer(QStringLiteral("Eva")), humanPlayer(QStringLiteral("Udo"))});
    net.online = false;
    game.onOnlineChanged();
    EXPECT_EQ(host.lostShown, 1);
    EXPECT_TRUE(state.gameRunning) << "a game of this computer alone goes on";

    QSignalSpy connected(&game, &NetworkGame::peerConnected);
    net.online = true;
    game.onOnlineChanged();
    EXPECT_EQ(connected.size(), 1);
    joinLargeTriplesGame();
    net.online = false;
    game.onOnlineChanged();
    EXPECT_EQ(host.lostShown, 2);
    EXPECT_FALSE(state.gameRunning);
    EXPECT_FALSE(state.settings.networkGame);
    EXPECT_TRUE(state.abortRequested);

    game.endConnection();
    EXPECT_EQ(net.closes, 0) << "nothing to end while offline";
    net.online = true;
    game.endConnection();
    EXPECT_EQ(net.closes, 1);
}

} // namespace
