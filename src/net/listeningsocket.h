#pragma once

#include <QObject>

class QSocketNotifier;

// A TCP socket listening on a port of all local addresses, IPv6 and IPv4 alike, made with the
// system's own calls: holding the port takes no network library. `pending` is raised when a
// caller knocks; the caller is accepted by whoever takes the socket over.
class ListeningSocket : public QObject {
    Q_OBJECT
public:
    explicit ListeningSocket(QObject* parent = nullptr);
    ~ListeningSocket() override;

    // False when the port cannot be had; the socket then stays closed.
    bool listen(quint16 port);
    bool isListening() const { return descriptor_ >= 0; }
    // The port listened on, which the system chose when 0 was asked for.
    quint16 port() const { return port_; }
    // Hands the socket over: this object no longer watches or closes it.
    qintptr release();
    void close();

Q_SIGNALS:
    void pending();

private:
    int descriptor_ = -1;
    quint16 port_ = 0;
    QSocketNotifier* notifier_ = nullptr;
};
