#pragma once

#include <QObject>

class QSocketNotifier;

// The requests from outside to end the program: SIGTERM, SIGINT and SIGHUP (a logout, a
// shutdown, kill, Ctrl+C, a closed terminal) and the end of the desktop session. Each arrives
// as endRequested() from the event loop, once; the signal handler itself only writes a byte.
// A second Unix signal after the first ends the program at once, so that an end that hangs can
// still be cut short. One object at a time.
class EndRequests : public QObject {
    Q_OBJECT
public:
    explicit EndRequests(QObject* parent = nullptr);
    ~EndRequests() override;

Q_SIGNALS:
    void endRequested();

private:
    void readSignal();
    void request();

    QSocketNotifier* notifier_ = nullptr;
    bool requested_ = false;
};
