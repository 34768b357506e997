#include "networklink.h"

#include <QMetaObject>

#include <algorithm>

namespace {
constexpr quint32 kDefaultMaxBlockLength = 1 << 20;
// How often an unkept caller's time is looked at: the limit is measured on the injected
// clock, which need not run with the real one.
constexpr quint32 kCallerCheckMs = 250;
// The send tick, and the check of a caller whose time is up.
constexpr int kTickMs = 5;
} // namespace

NetworkLink::NetworkLink(QObject* parent, quint16 port)
    : QObject(parent), port_(port), connectPort_(port), reader_(kDefaultMaxBlockLength) {
    connect(&server_, &QTcpServer::newConnection, this, &NetworkLink::acceptConnection);
    connect(&outgoing_, &QTcpSocket::connected, this, &NetworkLink::outgoingConnected);
    connect(&outgoing_, &QTcpSocket::disconnected, this, &NetworkLink::connectionEnded);
    connect(&outgoing_, &QTcpSocket::readyRead, this, [this] { receive(&outgoing_); });
    connect(&outgoing_, &QTcpSocket::errorOccurred, this, [this] {
        // The other side closing is the normal end of a connection, not an error.
        if (outgoing_.error() != QAbstractSocket::RemoteHostClosedError)
            Q_EMIT socketError(outgoing_.errorString());
    });
    sendTimer_.setInterval(kTickMs);
    connect(&sendTimer_, &QTimer::timeout, this, &NetworkLink::sendTick);
    callerTimer_.setSingleShot(true);
    connect(&callerTimer_, &QTimer::timeout, this, [this] {
        endIdleCaller();
        armCallerCheck();
    });
}

NetworkLink::~NetworkLink() {
    sendTimer_.stop();
    callerTimer_.stop();
    // Closing the sockets must not call back into a half-destroyed owner.
    disconnect(&outgoing_, nullptr, this, nullptr);
    if (accepted_)
        disconnect(accepted_, nullptr, this, nullptr);
}

// Any address of either family: callers come by IPv4 and IPv6 alike.
bool NetworkLink::listen() {
    if (server_.listen(QHostAddress::Any, port_))
        return true;
    Q_EMIT socketError(server_.errorString());
    return false;
}

void NetworkLink::setMaxBlockLength(quint32 bytes) {
    reader_ = FrameReader(bytes);
}

void NetworkLink::connectTo(const QString& address) {
    if (outgoing_.state() != QAbstractSocket::UnconnectedState)
        outgoing_.abort();
    outgoing_.connectToHost(address, connectPort_);
}

void NetworkLink::closeConnections() {
    server_.close();
    if (accepted_)
        accepted_->abort();
    outgoing_.abort();
}

void NetworkLink::sendBlock(const NetworkBlock& block) {
    // A block with no payload could never be framed; one without a peer has nobody to go to.
    if (block.length == 0 || static_cast<quint32>(block.payload.size()) < block.length || !online_)
        return;
    // With all 100 slots busy the block is lost: a queue that full means the peer is gone.
    const int slot = slots_.queue(block);
    if (slot == 0)
        return;
    // A reply leaves at once; the tick only paces the frames of longer blocks after the first.
    if (QTcpSocket* socket = writablePeer())
        slots_.takeFrame(slot, [socket](const QByteArray& frame) { socket->write(frame); });
    if (slots_.sending() && !sendTimer_.isActive())
        sendTimer_.start();
}

void NetworkLink::keepConnection() {
    callerKept_ = true;
    callerTimer_.stop();
}

void NetworkLink::sendTick() {
    if (QTcpSocket* socket = writablePeer())
        slots_.takeFrames([socket](const QByteArray& frame) { socket->write(frame); });
    if (!slots_.sending())
        sendTimer_.stop();
}

QTcpSocket* NetworkLink::peer() const {
    return acceptedRole_ ? accepted_.data() : const_cast<QTcpSocket*>(&outgoing_);
}

// A write only fills the socket's buffer, which the event loop hands to the system; so no
// socket signal, and nothing of the game, runs from inside it.
QTcpSocket* NetworkLink::writablePeer() const {
    QTcpSocket* socket = peer();
    return online_ && socket && socket->state() == QAbstractSocket::ConnectedState ? socket : nullptr;
}

void NetworkLink::receive(QTcpSocket* socket) {
    reader_.append(socket->readAll());
    queueDelivery();
}

void NetworkLink::queueDelivery() {
    if (deliveryQueued_)
        return;
    deliveryQueued_ = true;
    QMetaObject::invokeMethod(this, &NetworkLink::deliverBlocks, Qt::QueuedConnection);
}

// Runs from the event loop. Bytes of a connection that ended before they were handed on went
// with it.
void NetworkLink::deliverBlocks() {
    deliveryQueued_ = false;
    while (online_) {
        const std::optional<Frame> frame = reader_.next();
        if (!frame)
            break;
        queueDelivery();
        const auto result =
            slots_.receive(*frame, [this](const NetworkBlock& block) { Q_EMIT blockReceived(block); });
        if (result == SlotTable::Received::NoFreeSlot)
            Q_EMIT blockDropped();
        if (result == SlotTable::Received::Broken) {
            endBrokenConnection();
            return;
        }
    }
    if (reader_.broken())
        endBrokenConnection();
}

void NetworkLink::acceptConnection() {
    while (QTcpSocket* incoming = server_.nextPendingConnection()) {
        // One peer at a time, whoever called whom: while there is one, a caller is closed at
        // once, and nothing it sends or does afterwards reaches the game.
        if (online_) {
            retire(incoming);
            continue;
        }
        // Whatever the former caller's socket is still doing, nothing of it may reach the new one.
        if (accepted_)
            retire(accepted_);
        accepted_ = incoming;
        sendAtOnce(incoming);
        acceptedRole_ = true;
        outgoingRole_ = false;
        acceptedAt_ = clock_->ticks();
        callerKept_ = false;
        connect(incoming, &QTcpSocket::readyRead, this, [this, incoming] { receive(incoming); });
        connect(incoming, &QTcpSocket::disconnected, this, [this, incoming] {
            retire(incoming);
            connectionEnded();
        });
        setOnline(true);
    }
    armCallerCheck();
}

void NetworkLink::outgoingConnected() {
    acceptedRole_ = false;
    outgoingRole_ = true;
    sendAtOnce(&outgoing_);
    setOnline(true);
}

// Messages are a few bytes each, and one side often sends two in a row (its acknowledgement of
// a card, then the end of the turn): the system must not hold the second back until the first
// is acknowledged. Only the packets change; the bytes stay the same.
void NetworkLink::sendAtOnce(QTcpSocket* socket) {
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

void NetworkLink::connectionEnded() {
    discardTransfers();
    callerTimer_.stop();
    setOnline(false);
}

void NetworkLink::endBrokenConnection() {
    if (QTcpSocket* socket = peer())
        socket->abort();
    connectionEnded();
}

// A caller that connects and says nothing would keep every other caller out.
void NetworkLink::endIdleCaller() {
    if (!acceptedRole_ || !online_ || callerKept_ || !accepted_)
        return;
    if (clock_->ticks() - acceptedAt_ < kCallerTimeLimitMs)
        return;
    retire(accepted_);
    connectionEnded();
}

void NetworkLink::armCallerCheck() {
    if (!acceptedRole_ || !online_ || callerKept_ || !accepted_) {
        callerTimer_.stop();
        return;
    }
    const quint32 waited = clock_->ticks() - acceptedAt_;
    const quint32 left = waited < kCallerTimeLimitMs ? kCallerTimeLimitMs - waited : 0;
    callerTimer_.start(left > 0 ? static_cast<int>(std::min(left, kCallerCheckMs)) : kTickMs);
}

// The socket is cut off from this component at once; it is freed from the event loop, as it
// may be in the middle of one of its signals (its disconnect, say) further down the stack.
void NetworkLink::retire(QTcpSocket* socket) {
    disconnect(socket, nullptr, this, nullptr);
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
    if (accepted_ == socket)
        accepted_ = nullptr;
    socket->deleteLater();
}

// What was on its way belongs to the connection that ended; nothing of it may be taken for
// data of a later one.
void NetworkLink::discardTransfers() {
    slots_.clear();
    sendTimer_.stop();
    reader_.clear();
}

void NetworkLink::setOnline(bool online) {
    if (online == online_)
        return;
    online_ = online;
    Q_EMIT onlineChanged();
}
