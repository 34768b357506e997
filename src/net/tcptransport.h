#pragma once

#include "networkblock.h"

#include <QString>

#include <functional>

class TickClock;

// The TCP side of the network link, made by the network module: listening, the connections,
// frames and the slot table. It reports through the callbacks it was made with.
class TcpTransport {
public:
    struct Events {
        std::function<void()> onlineChanged;
        std::function<void(const NetworkBlock&)> blockReceived;
        std::function<void(const QString&)> socketError;
        std::function<void()> blockDropped;
    };

    // A caller that has not been kept by then is closed, so it cannot hold the only
    // connection for ever.
    static constexpr quint32 kCallerTimeLimitMs = 30000;

    virtual ~TcpTransport() = default;

    virtual bool listen(quint16 port) = 0;
    // Takes over a socket already listening; one it cannot use, it closes.
    virtual bool adoptListeningSocket(qintptr descriptor) = 0;
    virtual bool listening() const = 0;
    virtual quint16 serverPort() const = 0;
    virtual void connectTo(const QString& address, quint16 port) = 0;
    virtual void closeConnections() = 0;
    virtual void sendBlock(const NetworkBlock& block) = 0;
    virtual bool isOnline() const = 0;
    virtual void keepConnection() = 0;
    virtual void setMaxBlockLength(quint32 bytes) = 0;
    virtual int busySlots() const = 0;
    virtual void setClock(const TickClock& clock) = 0;
};
