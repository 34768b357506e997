#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The data files hold their texts as single bytes of the Western Windows code page
// (Windows-1252), so files from the Windows program read the same here.

// Characters the code page lacks become '?'.
QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);
// The text as it reads back after a trip through a data file.
QString ansiRepresentable(QStringView text);

// A short string field: one length byte, then `capacity` character bytes.
// A length byte above the capacity (a damaged file) reads as the capacity.
QString readShortString(const char* field, int capacity);
// Writes the first `capacity` characters and zeroes the bytes after them.
void writeShortString(char* field, int capacity, QStringView text);
