#include "bmplayout.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr quint32 kCoreHeader = 12; // the old OS/2 header with 16-bit sizes
constexpr quint32 kInfoHeader = 40;
constexpr quint32 kOs2Header = 64;
constexpr quint32 kV4Header = 108;
constexpr quint32 kV5Header = 124;

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

quint16 u16At(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32At(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool knownHeaderSize(quint32 size) {
    return size == kCoreHeader || size == kInfoHeader || size == kOs2Header || size == kV4Header ||
           size == kV5Header;
}

bool readableCompression(int bitCount, quint32 compression) {
    switch (compression) {
    case Rgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
               bitCount == 32;
    case Rle8:
        return bitCount == 8;
    case Rle4:
        return bitCount == 4;
    case BitFields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

struct InfoHeader {
    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0;
    int planes = 0;
    int bitCount = 0;
    quint32 compression = Rgb;
    quint32 imageSize = 0;
    quint32 coloursUsed = 0;
};

InfoHeader infoHeaderOf(const QByteArray& head) {
    InfoHeader info;
    info.size = u32At(head, 14);
    if (info.size == kCoreHeader) {
        info.width = qint16(u16At(head, 18));
        info.height = qint16(u16At(head, 20));
        info.planes = u16At(head, 22);
        info.bitCount = u16At(head, 24);
        return info;
    }
    info.width = qint32(u32At(head, 18));
    info.height = qint32(u32At(head, 22));
    info.planes = u16At(head, 26);
    info.bitCount = u16At(head, 28);
    info.compression = u32At(head, 30);
    info.imageSize = u32At(head, 34);
    info.coloursUsed = u32At(head, 46);
    return info;
}

// Where the reader stands once it has read the headers, the colour masks and the palette: it
// never starts the pixel data before that, whatever the file header's offset says.
qint64 endOfPalette(const InfoHeader& info) {
    qint64 end = kFileHeaderSize + info.size;
    if (info.size < kV4Header && info.compression == BitFields)
        end += 3 * 4;
    if (info.bitCount <= 8) {
        const qint64 colours = info.coloursUsed ? info.coloursUsed : (1 << info.bitCount);
        end += colours * (info.size == kCoreHeader ? 3 : 4);
    }
    return end;
}

} // namespace

std::optional<BmpLayout> bmpLayout(const QByteArray& head) {
    if (head.size() < kFileHeaderSize + 4 || !head.startsWith("BM"))
        return std::nullopt;
    const quint32 headerSize = u32At(head, 14);
    if (!knownHeaderSize(headerSize) || head.size() < qint64(kFileHeaderSize) + headerSize)
        return std::nullopt;
    const InfoHeader info = infoHeaderOf(head);
    if (info.planes != 1 || !readableCompression(info.bitCount, info.compression) || info.width <= 0 ||
        info.height == 0 || (info.bitCount <= 8 && info.coloursUsed > 256))
        return std::nullopt;

    const qint64 rows = std::abs(info.height);
    BmpLayout layout;
    layout.size = QSize(int(info.width), int(rows));
    layout.runLengthEncoded = info.compression == Rle8 || info.compression == Rle4;
    layout.pixelDataStart = std::max<qint64>(u32At(head, 10), endOfPalette(info));
    if (layout.runLengthEncoded) {
        // The codes say nothing of their length until they are read: the header must.
        if (info.imageSize == 0)
            return std::nullopt;
        layout.pixelDataSize = info.imageSize;
    } else {
        const qint64 rowBytes = (info.width * info.bitCount + 31) / 32 * 4;
        layout.pixelDataSize = rowBytes * rows;
        layout.lastRowPadding = rowBytes - (info.width * info.bitCount + 7) / 8;
    }
    return layout;
}
