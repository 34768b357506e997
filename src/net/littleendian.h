#pragma once

#include <QByteArray>
#include <QtEndian>

// Every integer on the wire is little-endian.

inline void appendLittle32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

template <typename T> T readLittle32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}
