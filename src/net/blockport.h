#pragma once

#include "networkblock.h"

// The network component as the game sees it.
class BlockPort {
public:
    virtual ~BlockPort() = default;
    virtual void sendBlock(const NetworkBlock& block) = 0;
    virtual bool isOnline() const = 0;
    virtual void closeConnections() = 0;
    // The current connection carries an invitation or a game: a caller on it has said what it
    // wants and is not closed for keeping silent.
    virtual void keepConnection() = 0;
};
