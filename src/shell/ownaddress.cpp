#include "ownaddress.h"

#include "modulelibrary.h"
#include "net/networkmodule.h"

#include <QCoreApplication>

QString lookUpOwnAddress() {
    QString address;
    if (const auto lookUp = reinterpret_cast<LookUpOwnAddress>(
            resolveModuleFunction(moduleCandidates(networkModuleFile()), kLookUpOwnAddress)))
        lookUp(&address);
    return address;
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
