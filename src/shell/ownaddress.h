#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

// The address another computer reaches this one at, for inviting it to a network game: of
// the IPv4 addresses the host name resolves to, the last one. Loopback addresses are useless
// to the other computer; when the name gives no other (or does not resolve), the first
// non-loopback IPv4 address of the network interfaces is shown, and on a network without
// IPv4 their first IPv6 address that is neither loopback nor link-local. Empty when there is
// none.
QString chooseShownAddress(const QList<QHostAddress>& resolved, const QList<QHostAddress>& interfaces);

// Looks up this computer's name and interfaces and chooses as above.
QString lookUpOwnAddress();

// The text of the own-address message; without an address it says there is none.
QString ownAddressMessage(const QString& address);
