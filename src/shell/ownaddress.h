#pragma once

#include <QString>

// Looks up this computer's address for the other one, through the network module; which
// address is shown is told in addresschoice.h. Empty when there is none.
QString lookUpOwnAddress();

// The text of the own-address message; without an address it says there is none.
QString ownAddressMessage(const QString& address);
