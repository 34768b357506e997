#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// How writing a data file went; true when it was written.
struct FileWriteResult {
    bool written = false;
    QString reason; // the system's words for a failure
    explicit operator bool() const { return written; }
};

// Replaces the file in one step: the bytes go to a temporary file beside it, which is renamed
// over the old one only when everything was written. The directory is created when missing.
// When anything fails the old file is untouched.
FileWriteResult writeFileAtomically(const QString& path, QByteArrayView bytes);

// Removes the temporary files that a write of `path` leaves beside it when the program is
// killed before the rename: regular files named like it plus a dot and six letters or digits.
// Nothing else is touched. Returns how many were removed.
int removeLeftoverTemporaryFiles(const QString& path);

// The first `maxBytes` bytes of the file (all of a shorter one); nothing when it cannot be read.
std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes);
