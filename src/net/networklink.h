#pragma once

#include "blockport.h"
#include "framecodec.h"
#include "networkblock.h"
#include "slottable.h"
#include "timing/tickclock.h"

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// Lets two running games exchange blocks over TCP: one peer at a time, reached by listening
// on port 1024 or by connecting to the other computer's port 1024; while there is one,
// whichever side called, every further caller is closed unheard. Blocks are queued in a table
// of 100 slots and go out in frames of at most 5000 bytes: a block's first frame at once, the
// rest from a 5 ms send tick, which runs only while a block has frames left; received frames
// are joined into blocks again.
//
// Received blocks are handed on from the event loop, never from inside a socket's own signal,
// so a handler may end the connection; a socket done with is freed from the event loop too.
class NetworkLink : public QObject, public BlockPort {
    Q_OBJECT
public:
    static constexpr quint16 kPort = 1024;
    // A caller that has not been kept by then is closed, so it cannot hold the only
    // connection for ever.
    static constexpr quint32 kCallerTimeLimitMs = 30000;

    // The port is fixed in the game; tests use their own to run two components on one machine.
    explicit NetworkLink(QObject* parent = nullptr, quint16 port = kPort);
    // The other computer's port, for tests whose two instances cannot both listen on one.
    void setConnectPort(quint16 port) { connectPort_ = port; }
    // The clock the caller time limit is measured on; tests move their own.
    void setClock(const TickClock& clock) { clock_ = &clock; }
    ~NetworkLink() override;

    // Starts listening on all local addresses; false (with socketError) when the port is taken.
    bool listen();
    bool listening() const { return server_.isListening(); }
    quint16 serverPort() const { return server_.serverPort(); }

    void connectTo(const QString& address);
    // Ends every connection and stops listening for the rest of the run.
    void closeConnections() override;
    void sendBlock(const NetworkBlock& block) override;
    bool isOnline() const override { return online_; }
    void keepConnection() override;

    // A received block longer than this is taken for garbage and ends the connection.
    void setMaxBlockLength(quint32 bytes);

    static QString engineVersion() { return QStringLiteral("1.01"); }

    // Blocks waiting to be sent or being received, for the curious (and the tests).
    int busySlots() const { return slots_.busy(); }

Q_SIGNALS:
    void onlineChanged();
    void blockReceived(const NetworkBlock& block);
    // What the socket layer reports: unreachable host, refused connection, port taken.
    void socketError(const QString& text);
    // A received frame found no free slot and was dropped; the main window beeps.
    void blockDropped();

private:
    void sendTick();
    void receive(QTcpSocket* socket);
    void queueDelivery();
    void deliverBlocks();
    void acceptConnection();
    void outgoingConnected();
    void connectionEnded();
    void endBrokenConnection();
    void endIdleCaller();
    // Runs the idle-caller check while an accepted caller has not been kept.
    void armCallerCheck();
    void setOnline(bool online);
    void discardTransfers();
    QTcpSocket* peer() const;
    // The peer's socket when frames can be written to it.
    QTcpSocket* writablePeer() const;
    static void sendAtOnce(QTcpSocket* socket);
    void retire(QTcpSocket* socket);

    quint16 port_;
    quint16 connectPort_;
    // Children of the link, as are the callers the server accepts.
    QTcpServer server_{this};
    QTcpSocket outgoing_{this};
    QPointer<QTcpSocket> accepted_;
    QTimer sendTimer_{this};
    QTimer callerTimer_{this};
    SlotTable slots_;
    bool acceptedRole_ = false;
    bool outgoingRole_ = false;
    bool online_ = false;
    bool deliveryQueued_ = false;
    FrameReader reader_;
    SteadyTickClock steadyClock_;
    const TickClock* clock_ = &steadyClock_;
    quint32 acceptedAt_ = 0;
    bool callerKept_ = false;
};
