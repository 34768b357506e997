#include "ownaddress.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkInterface>

namespace {
bool usableIPv4(const QHostAddress& address) {
    return address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback();
}

// A link-local address is only good with this computer's name for the interface, which means
// nothing to the other computer.
bool usableIPv6(const QHostAddress& address) {
    return address.protocol() == QAbstractSocket::IPv6Protocol && !address.isLoopback() &&
           !address.isLinkLocal();
}
} // namespace

QString chooseShownAddress(const QList<QHostAddress>& resolved, const QList<QHostAddress>& interfaces) {
    for (auto it = resolved.crbegin(); it != resolved.crend(); ++it)
        if (usableIPv4(*it))
            return it->toString();
    // IPv4 before IPv6: the address people are used to typing.
    for (const auto usable : {usableIPv4, usableIPv6})
        for (const QHostAddress& address : interfaces)
            if (usable(address))
                return address.toString();
    return {};
}

QString lookUpOwnAddress() {
    const QHostInfo host = QHostInfo::fromName(QHostInfo::localHostName());
    const QList<QHostAddress> resolved =
        host.error() == QHostInfo::NoError ? host.addresses() : QList<QHostAddress>();
    return chooseShownAddress(resolved, QNetworkInterface::allAddresses());
}

QString ownAddressMessage(const QString& address) {
    // An empty address after the colon would look like a fault of the program.
    if (address.isEmpty())
        return QCoreApplication::translate("OwnAddress",
                                           "Dieser Computer hat zurzeit keine IP-Adresse, unter der ihn ein "
                                           "anderer Computer erreichen könnte.");
    return QCoreApplication::translate("OwnAddress", "Ihre aktuelle IP-Adresse lautet: ") + address +
           QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate(
               "OwnAddress", "Diese Information ist wichtig, falls Sie an einem Netzwerk-Spiel teilnehmen "
                             "möchten (Siehe Hilfe).");
}
