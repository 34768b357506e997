#include "cardsheet.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace {

const char kBmpFormat[] = "bmp";

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

} // namespace

QString builtInSheetMarker() {
    return QStringLiteral("*** Standardsymbole ***");
}

bool isBuiltInSheetMarker(const QString& source) {
    return source == builtInSheetMarker();
}

QImage builtInSheet() {
    QImageReader reader(QStringLiteral(":/cards/standardsymbole.bmp"), kBmpFormat);
    return reader.read();
}

QRect motifRect(int motif) {
    if (motif < 1 || motif > kSheetMotifCount)
        return {};
    const int cell = motif - 1;
    return {kSheetPitch * (cell % kSheetColumns), kSheetPitch * (cell / kSheetColumns), kSheetPictureSize,
            kSheetPictureSize};
}

std::optional<QImage> readSheetFile(const QString& fileName, QString* error) {
    // Checked first: Qt's reader only complains about a missing file on the console.
    if (!QFileInfo(fileName).isFile()) {
        setError(error, QStringLiteral("No such file"));
        return std::nullopt;
    }
    // The format is fixed so that any name works (".pbd" has no reader, ".png" another one)
    // and a picture of another kind under a sheet's name is refused.
    QImageReader reader(fileName, kBmpFormat);
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        setError(error, reader.errorString());
        return std::nullopt;
    }
    QImage sheet;
    if (!reader.read(&sheet) || sheet.isNull()) {
        setError(error, reader.errorString());
        return std::nullopt;
    }
    return sheet;
}

bool writeSheetFile(const QImage& sheet, const QString& fileName, QString* error) {
    if (sheet.isNull()) {
        setError(error, QStringLiteral("No image to write"));
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    QImageWriter writer(&file, kBmpFormat);
    if (!writer.write(sheet)) {
        setError(error, writer.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
