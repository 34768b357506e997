// The entry points of the network module.

#include "networkmodule.h"
#include "shell/addresschoice.h"
#include "tcplink.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT TcpTransport* sorbelloMakeTcpTransport(TcpTransport::Events* events,
                                                                 const TickClock* clock, QObject* parent) {
    return new TcpLink(std::move(*events), *clock, parent);
}

extern "C" Q_DECL_EXPORT void sorbelloLookUpOwnAddress(QString* address) {
    *address = findOwnAddress();
}

// The program calls these through the pointer types it resolves them as.
static_assert(std::is_same_v<decltype(&sorbelloMakeTcpTransport), MakeTcpTransport>);
static_assert(std::is_same_v<decltype(&sorbelloLookUpOwnAddress), LookUpOwnAddress>);
