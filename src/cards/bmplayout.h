#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

// Where the pixel data of a BMP file lie and how many bytes of them its headers promise, as Qt's
// BMP reader takes them. That reader stops quietly where a file ends and reports success with the
// rest of the image never written, so a file is measured against this before it is read.
struct BmpLayout {
    QSize size;
    bool runLengthEncoded = false;
    qint64 pixelDataStart = 0;
    // For run-length encoded files the compressed size their header states.
    qint64 pixelDataSize = 0;
    // The padding that ends the last row. Some writers leave it out, and the file still holds
    // every pixel.
    qint64 lastRowPadding = 0;

    qint64 pixelDataEnd() const { return pixelDataStart + pixelDataSize; }
    // Where the last pixel ends: a file shorter than this lacks pixels.
    qint64 pixelsEnd() const { return pixelDataEnd() - lastRowPadding; }
};

// Enough of a file's beginning for bmpLayout: the file header and the largest information header.
inline constexpr int kBmpHeadSize = 14 + 124;

// The layout from the first bytes of a file; nothing for a header Qt's reader would not take or
// would misread, and for a run-length encoded file that does not state its compressed size.
std::optional<BmpLayout> bmpLayout(const QByteArray& head);
