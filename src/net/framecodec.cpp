#include "framecodec.h"

#include "littleendian.h"

QByteArray encodeFrame(const NetworkBlock& block, quint32 position, quint32 count) {
    QByteArray frame;
    frame.reserve(kFrameHeaderSize + static_cast<int>(count));
    appendLittle32(frame, static_cast<quint32>(block.id));
    frame.append(static_cast<char>(block.type));
    appendLittle32(frame, block.length);
    appendLittle32(frame, count);
    frame.append(block.payload.constData() + position, static_cast<int>(count));
    return frame;
}

void FrameReader::append(const QByteArray& bytes) {
    if (!broken_)
        buffer_.append(bytes);
}

std::optional<Frame> FrameReader::next() {
    // Exactly 13 bytes never make a frame: a frame carries at least one payload byte.
    if (broken_ || buffer_.size() <= kFrameHeaderSize)
        return std::nullopt;
    const quint32 blockLength = readLittle32<quint32>(buffer_, 5);
    const quint32 count = readLittle32<quint32>(buffer_, 9);
    if (count == 0 || count > kMaxFramePayload || count > blockLength || blockLength > maxBlockLength_) {
        broken_ = true;
        buffer_.clear();
        return std::nullopt;
    }
    if (static_cast<quint32>(buffer_.size()) < kFrameHeaderSize + count)
        return std::nullopt;
    Frame frame;
    frame.id = static_cast<qint32>(readLittle32<quint32>(buffer_, 0));
    frame.type = static_cast<quint8>(buffer_.at(4));
    frame.blockLength = blockLength;
    frame.payload = buffer_.mid(kFrameHeaderSize, static_cast<int>(count));
    buffer_.remove(0, kFrameHeaderSize + static_cast<int>(count));
    return frame;
}

void FrameReader::clear() {
    buffer_.clear();
    broken_ = false;
}
