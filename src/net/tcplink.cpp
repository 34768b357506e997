#include "tcplink.h"

#include <QMetaObject>

#include <unistd.h>

#include <algorithm>

namespace {
constexpr quint32 kDefaultMaxBlockLength = 1 << 20;
// How often an unkept caller's time is looked at: the limit is measured on the injected
// clock, which need not run with the real one.
constexpr quint32 kCallerCheckMs = 250;
// The send tick, and the retry of a caller check that found a socket's signal running.
constexpr int kTickMs = 5;
} // namespace

TcpLink::TcpLink(Events events, const TickClock& clock, QObject* parent)
    : QObject(parent), events_(std::move(events)), reader_(kDefaultMaxBlockLength), clock_(&clock) {
    connect(&server_, &QTcpServer::newConnection, this, &TcpLink::acceptConnection);
    onSocket(&outgoing_, &QTcpSocket::connected, [this] { outgoingConnected(); });
    onSocket(&outgoing_, &QTcpSocket::disconnected, [this] { connectionEnded(); });
    onSocket(&outgoing_, &QTcpSocket::readyRead, [this] { receive(&outgoing_); });
    onSocket(&outgoing_, &QTcpSocket::errorOccurred, [this] {
        // The other side closing is the normal end of a connection, not an error.
        if (outgoing_.error() != QAbstractSocket::RemoteHostClosedError)
            events_.socketError(outgoing_.errorString());
    });
    sendTimer_.setInterval(kTickMs);
    connect(&sendTimer_, &QTimer::timeout, this, &TcpLink::sendTick);
    callerTimer_.setSingleShot(true);
    connect(&callerTimer_, &QTimer::timeout, this, [this] {
        endIdleCaller();
        armCallerCheck();
    });
}

TcpLink::~TcpLink() {
    sendTimer_.stop();
    callerTimer_.stop();
    // Closing the sockets must not call back into a half-destroyed owner.
    disconnect(&outgoing_, nullptr, this, nullptr);
    if (accepted_)
        disconnect(accepted_, nullptr, this, nullptr);
    for (QTcpSocket* socket : retired_)
        delete socket;
}

template <typename Signal, typename Handler>
void TcpLink::onSocket(QTcpSocket* socket, Signal signal, Handler handler) {
    connect(socket, signal, this, [this, handler] {
        ++socketSignalsRunning_;
        handler();
        --socketSignalsRunning_;
        if (socketSignalsRunning_ == 0 && !retired_.empty())
            scheduleFreeing();
    });
}

bool TcpLink::listen(quint16 port) {
    if (server_.listen(QHostAddress::Any, port))
        return true;
    events_.socketError(server_.errorString());
    return false;
}

bool TcpLink::adoptListeningSocket(qintptr descriptor) {
    if (server_.setSocketDescriptor(descriptor))
        return true;
    ::close(static_cast<int>(descriptor));
    return false;
}

void TcpLink::setMaxBlockLength(quint32 bytes) {
    reader_ = FrameReader(bytes);
}

void TcpLink::connectTo(const QString& address, quint16 port) {
    if (outgoing_.state() != QAbstractSocket::UnconnectedState)
        outgoing_.abort();
    outgoing_.connectToHost(address, port);
}

void TcpLink::closeConnections() {
    server_.close();
    if (accepted_)
        accepted_->abort();
    outgoing_.abort();
}

void TcpLink::sendBlock(const NetworkBlock& block) {
    // A block with no payload could never be framed; one without a peer has nobody to go to.
    if (block.length == 0 || static_cast<quint32>(block.payload.size()) < block.length || !online_)
        return;
    queueBusy_ = true;
    // With all 100 slots busy the block is lost: a queue that full means the peer is gone.
    const bool queued = slots_.queue(block);
    queueBusy_ = false;
    // A running tick is left alone, so the block goes out with the next one.
    if (queued && !sendTimer_.isActive())
        sendTimer_.start();
}

void TcpLink::keepConnection() {
    callerKept_ = true;
    callerTimer_.stop();
}

int TcpLink::busySlots() const {
    return slots_.busy();
}

void TcpLink::sendTick() {
    QTcpSocket* socket = peer();
    if (!queueBusy_ && online_ && socket && socket->state() == QAbstractSocket::ConnectedState)
        slots_.takeFrames([socket](const QByteArray& frame) { socket->write(frame); });
    if (!slots_.sending())
        sendTimer_.stop();
}

QTcpSocket* TcpLink::peer() const {
    return acceptedRole_ ? accepted_.data() : const_cast<QTcpSocket*>(&outgoing_);
}

void TcpLink::receive(QTcpSocket* socket) {
    reader_.append(socket->readAll());
    queueDelivery();
}

void TcpLink::queueDelivery() {
    if (deliveryQueued_)
        return;
    deliveryQueued_ = true;
    QMetaObject::invokeMethod(this, &TcpLink::deliverBlocks, Qt::QueuedConnection);
}

// Runs from the event loop. A handler may run the message loop; then the frames after its
// block are handed on inside that loop, in the order they came, whether they came with the
// block or later. Bytes of a connection that ended before they were handed on went with it.
void TcpLink::deliverBlocks() {
    deliveryQueued_ = false;
    while (online_) {
        const std::optional<Frame> frame = reader_.next();
        if (!frame)
            break;
        queueDelivery();
        const auto result =
            slots_.receive(*frame, [this](const NetworkBlock& block) { events_.blockReceived(block); });
        if (result == SlotTable::Received::NoFreeSlot)
            events_.blockDropped();
        if (result == SlotTable::Received::Broken) {
            endBrokenConnection();
            return;
        }
    }
    if (reader_.broken())
        endBrokenConnection();
}

void TcpLink::acceptConnection() {
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
        acceptedRole_ = true;
        outgoingRole_ = false;
        acceptedAt_ = clock_->ticks();
        callerKept_ = false;
        onSocket(incoming, &QTcpSocket::readyRead, [this, incoming] { receive(incoming); });
        onSocket(incoming, &QTcpSocket::disconnected, [this, incoming] {
            retire(incoming);
            connectionEnded();
        });
        setOnline(true);
    }
    armCallerCheck();
}

void TcpLink::outgoingConnected() {
    acceptedRole_ = false;
    outgoingRole_ = true;
    setOnline(true);
}

void TcpLink::connectionEnded() {
    discardTransfers();
    callerTimer_.stop();
    setOnline(false);
}

void TcpLink::endBrokenConnection() {
    if (QTcpSocket* socket = peer())
        socket->abort();
    connectionEnded();
}

// A caller that connects and says nothing would keep every other caller out.
void TcpLink::endIdleCaller() {
    if (!acceptedRole_ || !online_ || callerKept_ || !accepted_ || socketSignalsRunning_ > 0)
        return;
    if (clock_->ticks() - acceptedAt_ < kCallerTimeLimitMs)
        return;
    retire(accepted_);
    connectionEnded();
}

void TcpLink::armCallerCheck() {
    if (!acceptedRole_ || !online_ || callerKept_ || !accepted_) {
        callerTimer_.stop();
        return;
    }
    const quint32 waited = clock_->ticks() - acceptedAt_;
    const quint32 left = waited < kCallerTimeLimitMs ? kCallerTimeLimitMs - waited : 0;
    callerTimer_.start(left > 0 ? static_cast<int>(std::min(left, kCallerCheckMs)) : kTickMs);
}

// The socket is cut off from this component at once; it is freed later, as it may be in the
// middle of one of its signals (its disconnect, say) further down the stack.
void TcpLink::retire(QTcpSocket* socket) {
    disconnect(socket, nullptr, this, nullptr);
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
    if (accepted_ == socket)
        accepted_ = nullptr;
    if (std::find(retired_.begin(), retired_.end(), socket) == retired_.end())
        retired_.push_back(socket);
    scheduleFreeing();
}

// From the event loop; while a socket's signal is being handled, the handler's return
// schedules it again.
void TcpLink::scheduleFreeing() {
    if (freeingQueued_)
        return;
    freeingQueued_ = true;
    QMetaObject::invokeMethod(this, &TcpLink::freeRetired, Qt::QueuedConnection);
}

void TcpLink::freeRetired() {
    freeingQueued_ = false;
    if (socketSignalsRunning_ > 0)
        return;
    std::vector<QTcpSocket*> done;
    done.swap(retired_);
    for (QTcpSocket* socket : done)
        delete socket;
}

// What was on its way belongs to the connection that ended; nothing of it may be taken for
// data of a later one.
void TcpLink::discardTransfers() {
    slots_.clear();
    sendTimer_.stop();
    reader_.clear();
}

void TcpLink::setOnline(bool online) {
    if (online == online_)
        return;
    online_ = online;
    events_.onlineChanged();
}
