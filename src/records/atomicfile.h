#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Replaces the file in one step: the bytes go to a temporary file beside it, which is renamed
// over the old one only when everything was written. The directory is created when missing.
// False (and the old file untouched) when anything fails.
bool writeFileAtomically(const QString& path, QByteArrayView bytes);

// The first `maxBytes` bytes of the file (all of a shorter one); nothing when it cannot be read.
std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes);
