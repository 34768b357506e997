#pragma once

#include <QByteArray>
#include <QtGlobal>

// One block: a type byte chosen by the user of the network component and a payload.
struct NetworkBlock {
    quint8 Typ = 0;
    quint8 Zustand = 0; // slot state: 0 free, 1 being sent, 2 being received
    qint32 Kennung = 0; // tells the blocks in transfer apart
    quint32 Laenge = 0;
    quint32 Position = 0;
    QByteArray Daten;
};

// A block of this type carrying this payload, ready to be queued.
inline NetworkBlock makeBlock(quint8 typ, const QByteArray& payload) {
    NetworkBlock block;
    block.Typ = typ;
    block.Laenge = static_cast<quint32>(payload.size());
    block.Daten = payload;
    return block;
}
