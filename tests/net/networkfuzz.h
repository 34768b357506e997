#pragma once

// A whole receiving side of a network game without sockets or windows: bytes go through frame
// reassembly, the slot table and the game's message handling, as they would from a peer.

#include <QByteArray>

#include <memory>

class NetworkFuzzWorld {
public:
    NetworkFuzzWorld();
    ~NetworkFuzzWorld();

    void feed(const QByteArray& bytes);
    // Whatever came in, the game state keeps its rules; false names the first broken one.
    bool consistent(const char** broken = nullptr) const;
    // How many cards were turned face up so far, to see that inputs reach the game itself.
    int cardsTurned() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// A framed block ready to feed, for building inputs that reach past the framing.
QByteArray framedMessage(quint8 type, const QByteArray& payload, qint32 id);
