#pragma once

#include "blockport.h"
#include "networkblock.h"
#include "tcptransport.h"
#include "timing/tickclock.h"

#include <QObject>

#include <memory>
#include <optional>

class ListeningSocket;

// Lets two running games exchange blocks over TCP: one peer at a time, reached by listening
// on port 1024 or by connecting to the other computer's port 1024. The connections, frames
// and slots are the network module's (TcpLink), loaded when first needed: until a caller
// knocks or the game itself reaches out, a plain listening socket holds the port, and the
// network library is not loaded at all.
class NetworkLink : public QObject, public BlockPort {
    Q_OBJECT
public:
    static constexpr quint16 kPort = 1024;
    static constexpr quint32 kCallerTimeLimitMs = TcpTransport::kCallerTimeLimitMs;

    // The port is fixed in the game; tests use their own to run two components on one machine.
    explicit NetworkLink(QObject* parent = nullptr, quint16 port = kPort);
    // The other computer's port, for tests whose two instances cannot both listen on one.
    void setConnectPort(quint16 port) { connectPort_ = port; }
    // The clock the caller time limit is measured on; tests move their own.
    void setClock(const TickClock& clock);
    ~NetworkLink() override;

    // Starts listening on all local addresses; false (with socketError) when the port is taken.
    bool listen();
    bool listening() const;
    quint16 serverPort() const;

    void connectTo(const QString& address);
    // Ends every connection and stops listening for the rest of the run.
    void closeConnections() override;
    void sendBlock(const NetworkBlock& block) override;
    bool isOnline() const override;
    void keepConnection() override;

    // A received block longer than this is taken for garbage and ends the connection.
    void setMaxBlockLength(quint32 bytes);

    static QString engineVersion() { return QStringLiteral("1.01"); }

    // Blocks waiting to be sent or being received, for the curious (and the tests).
    int busySlots() const;

Q_SIGNALS:
    void onlineChanged();
    void blockReceived(const NetworkBlock& block);
    // What the socket layer reports: unreachable host, refused connection, port taken.
    void socketError(const QString& text);
    // A received frame found no free slot and was dropped; the main window beeps.
    void blockDropped();

private:
    // The module's transport, made on first use; nullptr when the module cannot be loaded.
    TcpTransport* transport();

    quint16 port_;
    quint16 connectPort_;
    std::optional<quint32> maxBlockLength_;
    SteadyTickClock steadyClock_;
    const TickClock* clock_ = &steadyClock_;
    ListeningSocket* listener_;
    std::unique_ptr<TcpTransport> transport_;
    bool triedLoading_ = false;
};
