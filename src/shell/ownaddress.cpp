#include "ownaddress.h"

#include "modulelibrary.h"
#include "net/networkmodule.h"

QString lookUpOwnAddress() {
    QString address;
    if (const auto lookUp = reinterpret_cast<LookUpOwnAddress>(
            resolveModuleFunction(moduleCandidates(networkModuleFile()), kLookUpOwnAddress)))
        lookUp(&address);
    return address;
}

QString ownAddressMessage(const QString& address) {
    return QStringLiteral("Ihre aktuelle IP-Adresse lautet: ") + address + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Diese Information ist wichtig, falls Sie an einem Netzwerk-Spiel teilnehmen "
                          "möchten (Siehe Hilfe).");
}
