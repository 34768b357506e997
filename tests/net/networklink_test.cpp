#include "game/instanttime.h"
#include "net/framecodec.h"
#include "net/networklink.h"
#include "support/activetimers.h"

#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kWait = 5000;

// Records what a component reports.
struct Listener {
    explicit Listener(NetworkLink& net) {
        QObject::connect(&net, &NetworkLink::onlineChanged, [this, &net] { statuses << net.isOnline(); });
        QObject::connect(&net, &NetworkLink::blockReceived, [this](const NetworkBlock& b) { blocks << b; });
    }
    QList<bool> statuses;
    QList<NetworkBlock> blocks;
};

class NetworkLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.listen()); }

    // A plain socket talking to the listening component, to send it any bytes.
    std::unique_ptr<QTcpSocket> rawClient() {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QStringLiteral("127.0.0.1"), host.serverPort());
        EXPECT_TRUE(socket->waitForConnected(kWait));
        EXPECT_TRUE(QTest::qWaitFor([this] { return host.isOnline(); }, kWait));
        return socket;
    }

    NetworkLink host{nullptr, 0};
    Listener hostSeen{host};
};

TEST_F(NetworkLinkTest, TwoComponentsExchangeBlocksOfAnyLength) {
    NetworkLink guest(nullptr, host.serverPort());
    Listener guestSeen(guest);
    guest.connectTo(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.isOnline() && host.isOnline(); }, kWait));
    EXPECT_EQ(guestSeen.statuses, QList<bool>({true}));

    QByteArray big(12345, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7);
    guest.sendBlock(makeBlock(3, big));
    guest.sendBlock(makeBlock(4, QByteArray::fromHex("022500")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostSeen.blocks.size() == 2; }, kWait));
    // Small blocks overtake large ones; nobody may rely on the order between blocks.
    EXPECT_EQ(hostSeen.blocks[0].type, 4);
    EXPECT_EQ(hostSeen.blocks[1].payload, big);

    host.sendBlock(makeBlock(6, QByteArray::fromHex("01000000")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guestSeen.blocks.size() == 1; }, kWait));
    EXPECT_EQ(guestSeen.blocks[0].type, 6);
    EXPECT_EQ(host.busySlots(), 0);
    EXPECT_EQ(guest.busySlots(), 0);
}

// An idle link must not wake the program: its tick runs only while something is queued.
TEST_F(NetworkLinkTest, NoTimerRunsWhileNothingIsQueued) {
    EXPECT_TRUE(activeTimers(host).isEmpty()) << "listening";
    NetworkLink guest(nullptr, host.serverPort());
    guest.connectTo(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.isOnline() && host.isOnline(); }, kWait));
    host.keepConnection();
    EXPECT_TRUE(activeTimers(guest).isEmpty()) << "connected";
    EXPECT_TRUE(activeTimers(host).isEmpty()) << "a kept caller";

    guest.sendBlock(makeBlock(3, QByteArray(12345, 'x')));
    guest.sendBlock(makeBlock(4, QByteArray::fromHex("022500")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostSeen.blocks.size() == 2; }, kWait));
    EXPECT_TRUE(QTest::qWaitFor([&] { return activeTimers(guest).isEmpty(); }, kWait))
        << "the tick goes on after the last frame";
}

TEST_F(NetworkLinkTest, ABlockGoesOutAsOneFrameOnTheWire) {
    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost));
    NetworkLink net(nullptr, peer.serverPort());
    net.connectTo(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(peer.waitForNewConnection(kWait));
    QTcpSocket* wire = peer.nextPendingConnection();
    ASSERT_TRUE(QTest::qWaitFor([&] { return net.isOnline(); }, kWait));
    net.sendBlock(makeBlock(2, QByteArray::fromHex("01")));
    EXPECT_TRUE(activeTimers(net).isEmpty()) << "a reply leaves at once, not with the next send tick";
    ASSERT_TRUE(QTest::qWaitFor([&] { return wire->bytesAvailable() >= 14; }, kWait));
    EXPECT_EQ(wire->readAll().toHex(), "01000000020100000001000000"
                                       "01");
}

TEST_F(NetworkLinkTest, FramesArriveWholeHoweverTheBytesAreSplit) {
    auto raw = rawClient();
    NetworkBlock first = makeBlock(4, QByteArray::fromHex("022500"));
    first.id = 11;
    const QByteArray frame = encodeFrame(first, 0, 3);
    raw->write(frame.left(13));
    raw->flush();
    QTest::qWait(50);
    EXPECT_TRUE(hostSeen.blocks.isEmpty());
    raw->write(frame.mid(13));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostSeen.blocks.size() == 1; }, kWait));

    NetworkBlock second = makeBlock(5, QByteArray::fromHex("01000000"));
    second.id = 12;
    raw->write(encodeFrame(second, 0, 4) + encodeFrame(first, 0, 3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostSeen.blocks.size() == 3; }, kWait));
    EXPECT_EQ(hostSeen.blocks[1].type, 5);
    EXPECT_EQ(hostSeen.blocks[2].type, 4);
}

TEST_F(NetworkLinkTest, GarbageEndsTheConnection) {
    host.setMaxBlockLength(485);
    const QByteArray garbage[] = {
        QByteArray::fromHex("0100000004"
                            "03000000"
                            "00000000"
                            "aa"), // a piece of nothing
        QByteArray::fromHex("0100000004"
                            "00100000"
                            "01000000"
                            "aa"), // a block longer than any message
        QByteArray::fromHex("0100000004"
                            "02000000"
                            "03000000"
                            "aabbcc"), // a piece longer than its block
    };
    for (const QByteArray& bytes : garbage) {
        hostSeen.statuses.clear();
        auto raw = rawClient();
        raw->write(bytes);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !host.isOnline(); }, kWait)) << bytes.toHex().constData();
        EXPECT_EQ(hostSeen.statuses, QList<bool>({true, false}));
        EXPECT_TRUE(hostSeen.blocks.isEmpty());
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return raw->state() == QAbstractSocket::UnconnectedState; }, kWait));
    }
}

TEST_F(NetworkLinkTest, ASecondCallerIsTurnedAwayAndAnEndedConnectionLeavesNothingBehind) {
    auto raw = rawClient();
    QTcpSocket intruder;
    intruder.connectToHost(QStringLiteral("127.0.0.1"), host.serverPort());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return intruder.state() == QAbstractSocket::UnconnectedState; }, kWait));
    EXPECT_TRUE(host.isOnline());

    NetworkBlock half = makeBlock(3, QByteArray(6000, 'o'));
    half.id = 1;
    raw->write(encodeFrame(half, 0, 5000));
    raw->flush();
    QTest::qWait(50);
    raw->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.isOnline(); }, kWait));
    EXPECT_EQ(host.busySlots(), 0) << "the partly received block went with its connection";

    auto next = rawClient();
    NetworkBlock fresh = makeBlock(3, QByteArray(1000, 'n'));
    fresh.id = 1;
    next->write(encodeFrame(fresh, 0, 1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostSeen.blocks.size() == 1; }, kWait));
    EXPECT_EQ(hostSeen.blocks[0].payload, QByteArray(1000, 'n'));
}

// A stranger calling while a game's connection stands, whichever computer made it, must neither
// take the game's messages nor end the game by hanging up.
TEST(NetworkLinkPeer, WhileAPeerIsConnectedEitherWayACallerIsClosedAndChangesNothing) {
    for (const bool calledOut : {false, true}) {
        SCOPED_TRACE(calledOut ? "this side called the other" : "the other side called this one");
        NetworkLink self(nullptr, 0);
        NetworkLink other(nullptr, 0);
        ASSERT_TRUE(self.listen());
        ASSERT_TRUE(other.listen());
        Listener selfSeen(self);
        Listener otherSeen(other);
        NetworkLink& caller = calledOut ? self : other;
        NetworkLink& called = calledOut ? other : self;
        caller.setConnectPort(called.serverPort());
        caller.connectTo(QStringLiteral("127.0.0.1"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return self.isOnline() && other.isOnline(); }, kWait));
        called.keepConnection();

        QTcpSocket hangingUp;
        hangingUp.connectToHost(QStringLiteral("127.0.0.1"), self.serverPort());
        ASSERT_TRUE(hangingUp.waitForConnected(kWait));
        hangingUp.abort();
        QTcpSocket silent;
        silent.connectToHost(QStringLiteral("127.0.0.1"), self.serverPort());
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return silent.state() == QAbstractSocket::UnconnectedState; }, kWait))
            << "the silent stranger is closed at once";

        self.sendBlock(makeBlock(6, QByteArray::fromHex("01000000")));
        other.sendBlock(makeBlock(5, QByteArray::fromHex("01000000")));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return selfSeen.blocks.size() == 1 && otherSeen.blocks.size() == 1; }, kWait));
        EXPECT_EQ(otherSeen.blocks[0].type, 6) << "this side's message went to its peer";
        EXPECT_EQ(selfSeen.blocks[0].type, 5);
        EXPECT_EQ(selfSeen.statuses, QList<bool>({true})) << "no stranger ended the connection";
        EXPECT_EQ(otherSeen.statuses, QList<bool>({true}));
    }
}

TEST_F(NetworkLinkTest, ConnectingAgainFirstEndsTheOldConnection) {
    NetworkLink guest(nullptr, host.serverPort());
    Listener guestSeen(guest);
    guest.connectTo(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.isOnline(); }, kWait));
    guest.connectTo(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guestSeen.statuses.size() == 3; }, kWait));
    EXPECT_EQ(guestSeen.statuses, QList<bool>({true, false, true}));

    guest.closeConnections();
    EXPECT_FALSE(guest.isOnline());
    host.closeConnections();
    EXPECT_FALSE(host.listening()) << "after closeConnections nobody can call in any more";
}

TEST_F(NetworkLinkTest, ASilentCallerIsClosedAfterThirtySecondsUnlessKept) {
    ManualClock clock;
    host.setClock(clock);
    auto silent = rawClient();
    clock.now = NetworkLink::kCallerTimeLimitMs - 1;
    QTest::qWait(30);
    EXPECT_TRUE(host.isOnline());
    clock.now += 1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.isOnline(); }, kWait));
    EXPECT_EQ(hostSeen.statuses, QList<bool>({true, false}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return silent->state() == QAbstractSocket::UnconnectedState; }, kWait));

    // A caller whose invitation or game is under way stays, and so does a connection this
    // side made itself.
    NetworkLink guest(nullptr, host.serverPort());
    guest.setClock(clock);
    guest.connectTo(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return guest.isOnline() && host.isOnline(); }, kWait));
    host.keepConnection();
    clock.now += 10 * NetworkLink::kCallerTimeLimitMs;
    QTest::qWait(30);
    EXPECT_TRUE(host.isOnline());
    EXPECT_TRUE(guest.isOnline());
}

} // namespace

// One server takes callers of either address family.
TEST_F(NetworkLinkTest, CallersReachTheLinkByIPv4AndIPv6) {
    auto first = rawClient();
    first->abort();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !host.isOnline(); }, kWait));

    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6))
        GTEST_SKIP() << "no IPv6 loopback here";
    QTcpSocket second;
    second.connectToHost(QHostAddress(QHostAddress::LocalHostIPv6), host.serverPort());
    ASSERT_TRUE(second.waitForConnected(kWait)) << second.errorString().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([this] { return host.isOnline(); }, kWait));
    EXPECT_EQ(hostSeen.statuses, QList<bool>({true, false, true}));
}

TEST(NetworkLinkPort, ATakenPortIsReportedInQtsOwnWords) {
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::Any));
    QTcpServer second;
    ASSERT_FALSE(second.listen(QHostAddress::Any, holder.serverPort()));

    NetworkLink link(nullptr, holder.serverPort());
    QStringList errors;
    QObject::connect(&link, &NetworkLink::socketError, [&errors](const QString& text) { errors << text; });
    EXPECT_FALSE(link.listen());
    EXPECT_FALSE(link.listening());
    EXPECT_EQ(errors, QStringList{second.errorString()});
}

TEST(NetworkLinkPort, ClosingBeforeAnyCallerGivesThePortBack) {
    NetworkLink link(nullptr, 0);
    ASSERT_TRUE(link.listen());
    const quint16 port = link.serverPort();
    ASSERT_NE(port, 0);
    link.closeConnections();
    EXPECT_FALSE(link.listening());
    QTcpServer next;
    EXPECT_TRUE(next.listen(QHostAddress::Any, port)) << next.errorString().toStdString();
}
