#pragma once

#include <QLockFile>
#include <QString>

#include <optional>

// Why the program refuses to start, with the message it shows.
struct StartRefusal {
    QString title;
    QString text;
};

// The screen is tested first: on a narrow screen nothing else matters.
std::optional<StartRefusal> startRefusal(int screenWidth, bool otherInstanceRunning);

// Holds a per-user lock for as long as this instance runs.
class SingleInstance {
public:
    // The lock file of the current user.
    SingleInstance();
    explicit SingleInstance(const QString& lockPath);

    // True when no other instance holds the lock; this one holds it from now on.
    bool acquire();

private:
    QLockFile lock_;
};
