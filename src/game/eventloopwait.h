#pragma once

#include "messagewait.h"

#include <vector>

class QEventLoop;

// Waits as nested Qt event loops, woken by a timer or by wake(); never a busy loop.
class EventLoopWait : public MessageWait {
public:
    void waitFor(int ms, const std::function<bool()>& stop) override;
    void waitUntil(const std::function<bool()>& done) override;
    void processPendingMessages() override;
    void wake() override;

private:
    struct Running;
    // Runs one nested loop until it is woken or its time is up. Returns false when the loop was
    // ended from outside (the application is quitting), so the caller stops waiting.
    bool runOnce(int timeoutMs);

    std::vector<Running*> running_;
};
