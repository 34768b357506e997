#include "networklink.h"

#include "listeningsocket.h"
#include "networkmodule.h"
#include "shell/modulelibrary.h"
#include "tcptransport.h"

NetworkLink::NetworkLink(QObject* parent, quint16 port)
    : QObject(parent), port_(port), connectPort_(port), listener_(new ListeningSocket(this)) {
    // The first caller brings the module, whose server then accepts it from the same socket.
    connect(listener_, &ListeningSocket::pending, this, [this] { transport(); });
}

NetworkLink::~NetworkLink() = default;

TcpTransport* NetworkLink::transport() {
    if (transport_ || triedLoading_)
        return transport_.get();
    triedLoading_ = true;
    const auto make = reinterpret_cast<MakeTcpTransport>(
        resolveModuleFunction(moduleCandidates(networkModuleFile()), kMakeTcpTransport));
    if (!make) {
        // Nobody could answer a caller: the port is given up rather than left knocking.
        listener_->close();
        return nullptr;
    }
    TcpTransport::Events events{
        [this] { Q_EMIT onlineChanged(); },
        [this](const NetworkBlock& block) { Q_EMIT blockReceived(block); },
        [this](const QString& text) { Q_EMIT socketError(text); },
        [this] { Q_EMIT blockDropped(); },
    };
    transport_.reset(make(&events, clock_, this));
    if (maxBlockLength_)
        transport_->setMaxBlockLength(*maxBlockLength_);
    if (listener_->isListening()) {
        const qintptr descriptor = listener_->release();
        if (!transport_->adoptListeningSocket(descriptor))
            Q_EMIT socketError(tr("Der Netzwerk-Port konnte nicht übernommen werden."));
    }
    return transport_.get();
}

void NetworkLink::setClock(const TickClock& clock) {
    clock_ = &clock;
    if (transport_)
        transport_->setClock(clock);
}

bool NetworkLink::listen() {
    if (transport_)
        return transport_->listen(port_);
    if (listener_->listen(port_))
        return true;
    // The module's server says why, in the words the player would otherwise have seen.
    TcpTransport* tcp = transport();
    return tcp && tcp->listen(port_);
}

bool NetworkLink::listening() const {
    return transport_ ? transport_->listening() : listener_->isListening();
}

quint16 NetworkLink::serverPort() const {
    return transport_ ? transport_->serverPort() : listener_->port();
}

void NetworkLink::connectTo(const QString& address) {
    if (TcpTransport* tcp = transport())
        tcp->connectTo(address, connectPort_);
    else
        Q_EMIT socketError(tr("Das Netzwerk steht nicht zur Verfügung."));
}

void NetworkLink::closeConnections() {
    listener_->close();
    if (transport_)
        transport_->closeConnections();
}

// Before the module is loaded there is no connection, so nothing to send or keep.
void NetworkLink::sendBlock(const NetworkBlock& block) {
    if (transport_)
        transport_->sendBlock(block);
}

bool NetworkLink::isOnline() const {
    return transport_ && transport_->isOnline();
}

void NetworkLink::keepConnection() {
    if (transport_)
        transport_->keepConnection();
}

void NetworkLink::setMaxBlockLength(quint32 bytes) {
    maxBlockLength_ = bytes;
    if (transport_)
        transport_->setMaxBlockLength(bytes);
}

int NetworkLink::busySlots() const {
    return transport_ ? transport_->busySlots() : 0;
}
