#pragma once

#include "framecodec.h"
#include "game/messagewait.h"
#include "slottable.h"
#include "tcptransport.h"

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <vector>

// The network link's TCP work, in the network module: one peer at a time, reached by
// listening on a port or by connecting to the other computer's; while there is one, whichever
// side called, every further caller is closed unheard. Blocks are queued in a table
// of 100 slots and go out in frames of at most 5000 bytes from a 5 ms send tick, which runs
// only while something is queued; received frames are joined into blocks again.
//
// Block handlers may run the message loop (a question, a turn's pauses), so received blocks
// are handed on from the event loop, never from inside a socket's own signal; and a socket
// that is done with is freed only when none of its signals is being handled.
class TcpLink : public QObject, public TcpTransport {
    Q_OBJECT
public:
    TcpLink(Events events, const TickClock& clock, QObject* parent);
    ~TcpLink() override;

    // Listens on all local addresses; false (with socketError) when the port is taken.
    bool listen(quint16 port) override;
    bool adoptListeningSocket(qintptr descriptor) override;
    bool listening() const override { return server_.isListening(); }
    quint16 serverPort() const override { return server_.serverPort(); }

    void connectTo(const QString& address, quint16 port) override;
    // Ends every connection and stops listening.
    void closeConnections() override;
    void sendBlock(const NetworkBlock& block) override;
    bool isOnline() const override { return online_; }
    void keepConnection() override;
    // A received block longer than this is taken for garbage and ends the connection.
    void setMaxBlockLength(quint32 bytes) override;
    // Blocks waiting to be sent or being received.
    int busySlots() const override;
    // The clock the caller time limit is measured on.
    void setClock(const TickClock& clock) override { clock_ = &clock; }

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
    // Wires a socket signal to `handler`, counting the handlers running.
    template <typename Signal, typename Handler>
    void onSocket(QTcpSocket* socket, Signal signal, Handler handler);
    void retire(QTcpSocket* socket);
    void scheduleFreeing();
    void freeRetired();

    Events events_;
    QTcpServer server_;
    QTcpSocket outgoing_;
    QPointer<QTcpSocket> accepted_;
    // Sockets done with, waiting until none of their signals is being handled.
    std::vector<QTcpSocket*> retired_;
    int socketSignalsRunning_ = 0;
    bool freeingQueued_ = false;
    QTimer sendTimer_{this};
    QTimer callerTimer_{this};
    SlotTable slots_;
    bool queueBusy_ = false;
    bool acceptedRole_ = false;
    bool outgoingRole_ = false;
    bool online_ = false;
    bool deliveryQueued_ = false;
    FrameReader reader_;
    const TickClock* clock_;
    quint32 acceptedAt_ = 0;
    bool callerKept_ = false;
};
