#include "addresschoice.h"

#include <QHostInfo>
#include <QNetworkInterface>

namespace {
bool usable(const QHostAddress& address) {
    return address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback();
}
} // namespace

QString chooseShownAddress(const QList<QHostAddress>& resolved, const QList<QHostAddress>& interfaces) {
    for (auto it = resolved.crbegin(); it != resolved.crend(); ++it)
        if (usable(*it))
            return it->toString();
    for (const QHostAddress& address : interfaces)
        if (usable(address))
            return address.toString();
    return {};
}

QString findOwnAddress() {
    const QHostInfo host = QHostInfo::fromName(QHostInfo::localHostName());
    const QList<QHostAddress> resolved =
        host.error() == QHostInfo::NoError ? host.addresses() : QList<QHostAddress>();
    return chooseShownAddress(resolved, QNetworkInterface::allAddresses());
}
