#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Replaces the file in one step: the bytes go to a temporary file beside it, which is renamed
// over the old one only when everything was written. The directory is created when missing.
// False (and the old file untouched) when anything fails.
bool writeFileAtomically(const QString& path, QByteArrayView bytes);

// Removes the temporary files that a write of `path` leaves beside it when the program is
// killed before the rename: regular files named like it plus a dot and six letters or digits.
// Nothing else is touched. Returns how many were removed.
int removeLeftoverTemporaryFiles(const QString& path);

// The first `maxBytes` bytes of the file (all of a shorter one); nothing when it cannot be read.
std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes);
