#include "endrequests.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcApp, "sorbello.app", QtInfoMsg)

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler's end of the pair, and whether a signal came before.
int signalWriteEnd = -1;
volatile std::sig_atomic_t signalSeen = 0;

extern "C" void onEndSignal(int number) {
    if (signalSeen) {
        // The default action, taken when this handler returns.
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    signalSeen = 1;
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

EndRequests::EndRequests(QObject* parent) : QObject(parent) {
    Q_ASSERT(signalWriteEnd < 0);
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        qCWarning(lcApp) << "no socket pair for the end signals:" << std::strerror(errno);
    } else {
        signalWriteEnd = ends[0];
        notifier_ = new QSocketNotifier(ends[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &EndRequests::readSignal);
        struct sigaction action = {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int number : kEndSignals)
            ::sigaction(number, &action, nullptr);
    }
#ifndef QT_NO_SESSIONMANAGER
    // Not from inside the session manager's call: the end runs once it has had its answer.
    // Only the commit request ends the program: a state request alone may be a checkpoint of a
    // session that goes on.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(
            app, &QGuiApplication::commitDataRequest, this,
            [this] { QMetaObject::invokeMethod(this, &EndRequests::request, Qt::QueuedConnection); },
            Qt::DirectConnection);
    }
#endif
}

EndRequests::~EndRequests() {
    if (!notifier_)
        return;
    for (const int number : kEndSignals)
        std::signal(number, SIG_DFL);
    const int readEnd = static_cast<int>(notifier_->socket());
    delete notifier_;
    ::close(readEnd);
    ::close(signalWriteEnd);
    signalWriteEnd = -1;
    signalSeen = 0;
}

void EndRequests::readSignal() {
    char byte = 0;
    if (::read(static_cast<int>(notifier_->socket()), &byte, 1) == 1)
        qCInfo(lcApp) << "ending on signal" << int(byte);
    request();
}

void EndRequests::request() {
    if (requested_)
        return;
    requested_ = true;
    Q_EMIT endRequested();
}
