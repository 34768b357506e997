#pragma once

#include <functional>

// Waits that keep the window responsive: window messages are processed while waiting, and
// every wait can be cut short. Everything that may end a wait early (the abort flag, a mark
// set by the network) calls wake() after changing it, so running waits look again.
class MessageWait {
public:
    virtual ~MessageWait() = default;

    // Processes messages until ms milliseconds have passed or stop() holds; messages are
    // processed at least once.
    virtual void waitFor(int ms, const std::function<bool()>& stop) = 0;

    // Processes messages until done() holds.
    virtual void waitUntil(const std::function<bool()>& done) = 0;

    // Processes the messages that are pending now, once.
    virtual void processPendingMessages() = 0;

    // Makes every running wait test its condition again.
    virtual void wake() = 0;
};
