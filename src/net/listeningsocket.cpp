#include "listeningsocket.h"

#include <QSocketNotifier>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace {
// As many waiting callers as Qt's own server allows.
constexpr int kBacklog = 50;

int openSocket(int family) {
    return ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
}

// Binds to the port on every address of the family: for IPv6 with IPv4 mapped in too.
bool bindToAll(int descriptor, int family, quint16 port) {
    const int on = 1;
    // A port whose last connection is still in TIME_WAIT can be listened on again at once.
    ::setsockopt(descriptor, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (family == AF_INET6) {
        const int off = 0;
        ::setsockopt(descriptor, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        sockaddr_in6 address{};
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_any;
        address.sin6_port = htons(port);
        return ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    return ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

quint16 boundPort(int descriptor) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
}
} // namespace

ListeningSocket::ListeningSocket(QObject* parent) : QObject(parent) {}

ListeningSocket::~ListeningSocket() {
    close();
}

bool ListeningSocket::listen(quint16 port) {
    close();
    int family = AF_INET6;
    int descriptor = openSocket(family);
    // Machines without IPv6 listen on IPv4 alone.
    if (descriptor < 0 && errno == EAFNOSUPPORT) {
        family = AF_INET;
        descriptor = openSocket(family);
    }
    if (descriptor < 0)
        return false;
    if (!bindToAll(descriptor, family, port) || ::listen(descriptor, kBacklog) != 0) {
        ::close(descriptor);
        return false;
    }
    descriptor_ = descriptor;
    port_ = boundPort(descriptor);
    notifier_ = new QSocketNotifier(descriptor_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ListeningSocket::pending);
    return true;
}

qintptr ListeningSocket::release() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    // Its own signal may be running: it goes from the event loop.
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    return descriptor;
}

void ListeningSocket::close() {
    if (const qintptr descriptor = release(); descriptor >= 0)
        ::close(static_cast<int>(descriptor));
    port_ = 0;
}
