#include "atomicfile.h"

#include "recordslog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

// QSaveFile's temporary name: the file's own name, a dot and six random letters or digits.
bool isTemporaryNameOf(const QString& candidate, const QString& fileName) {
    constexpr int kRandomLength = 6;
    if (candidate.size() != fileName.size() + 1 + kRandomLength || !candidate.startsWith(fileName) ||
        candidate.at(fileName.size()) != QLatin1Char('.'))
        return false;
    const QStringView random = QStringView(candidate).sliced(fileName.size() + 1);
    return std::all_of(random.begin(), random.end(),
                       [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
}

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

// Matched by hand rather than with name filters: they would load the regular-expression
// engine at every start.
int removeLeftoverTemporaryFiles(const QString& path) {
    const QFileInfo target(path);
    const QFileInfoList candidates =
        target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    int removed = 0;
    for (const QFileInfo& candidate : candidates) {
        if (!isTemporaryNameOf(candidate.fileName(), target.fileName()))
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
