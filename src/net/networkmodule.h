#pragma once

#include "tcptransport.h"

#include <QString>

class QObject;

// The network module (sorbello-network.so): Qt Network and all that uses it, loaded when the
// program first needs more of the network than its listening socket.
inline QString networkModuleFile() {
    return QStringLiteral("sorbello-network.so");
}

// Makes the TCP transport, a child of `parent`, reporting through `events`.
using MakeTcpTransport = TcpTransport* (*)(TcpTransport::Events* events, const TickClock* clock, QObject* parent);
inline constexpr char kMakeTcpTransport[] = "sorbelloMakeTcpTransport";

// Looks up this computer's address for the other one.
using LookUpOwnAddress = void (*)(QString* address);
inline constexpr char kLookUpOwnAddress[] = "sorbelloLookUpOwnAddress";
