#include "atomicfile.h"

#include "recordslog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// A full disk first takes part of the bytes without an error; only writing the rest tells why.
bool writeAll(QSaveFile& file, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 count = file.write(bytes.data() + done, bytes.size() - done);
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

} // namespace

FileWriteResult writeFileAtomically(const QString& path, QByteArrayView bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered, so that a full disk shows in the writes themselves; the size on disk is
    // checked too before the new file replaces the old one.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, bytes) &&
                         file.flush() && file.size() == bytes.size();
    if (!written) {
        const QString reason = file.errorString();
        qCWarning(lcRecords) << "could not write" << path << reason;
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit()) {
        qCWarning(lcRecords) << "could not replace" << path << file.errorString();
        return {false, file.errorString()};
    }
    return {true, QString()};
}

int removeLeftoverTemporaryFiles(const QString& path) {
    const QFileInfo target(path);
    // QSaveFile's temporary name: the file's own name with six random characters appended.
    const QRegularExpression temporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDir directory = target.absoluteDir();
    const QFileInfoList candidates =
        directory.entryInfoList({target.fileName() + QStringLiteral(".??????")},
                                QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    int removed = 0;
    for (const QFileInfo& candidate : candidates) {
        if (!temporaryName.match(candidate.fileName()).hasMatch())
            continue;
        if (QFile::remove(candidate.filePath())) {
            qCInfo(lcRecords) << "removed the leftover" << candidate.filePath();
            ++removed;
        }
    }
    return removed;
}

std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcRecords) << "could not read" << path << file.errorString();
        return std::nullopt;
    }
    return bytes;
}
