#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole data files as bytes, for layouts written out by hand.

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray zeros(int count) {
    return QByteArray(count, '\0');
}
