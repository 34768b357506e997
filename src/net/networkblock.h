#pragma once

#include <QByteArray>
#include <QtGlobal>

// One block: a type byte chosen by the user of the network component and a payload.
struct NetworkBlock {
    quint8 type = 0;
    quint8 state = 0; // slot state: 0 free, 1 being sent, 2 being received
    qint32 id = 0;    // tells the blocks in transfer apart
    quint32 length = 0;
    quint32 position = 0;
    QByteArray payload;
};

// A block of this type carrying this payload, ready to be queued.
inline NetworkBlock makeBlock(quint8 type, const QByteArray& payload) {
    NetworkBlock block;
    block.type = type;
    block.length = static_cast<quint32>(payload.size());
    block.payload = payload;
    return block;
}
