#include "slottable.h"

#include <algorithm>

int SlotTable::queue(const NetworkBlock& block) {
    const int s = freeSlot();
    if (s == 0)
        return 0;
    NetworkBlock& slot = slots_[s];
    slot.type = block.type;
    slot.id = nextId_++;
    slot.length = block.length;
    slot.payload = block.payload.left(static_cast<int>(block.length));
    slot.position = 0;
    slot.state = 1;
    return s;
}

void SlotTable::takeFrame(int s, const std::function<void(const QByteArray&)>& send) {
    NetworkBlock& slot = slots_[s];
    if (slot.state != 1 || slot.position >= slot.length)
        return;
    const quint32 count = std::min(slot.length - slot.position, kMaxFramePayload);
    send(encodeFrame(slot, slot.position, count));
    slot.position += count;
    if (slot.position >= slot.length)
        slot = NetworkBlock{};
}

void SlotTable::takeFrames(const std::function<void(const QByteArray&)>& send) {
    for (int s = 1; s <= kSlots; ++s)
        takeFrame(s, send);
}

SlotTable::Received SlotTable::receive(const Frame& frame,
                                       const std::function<void(const NetworkBlock&)>& deliver) {
    int s = receivingSlot(frame.id);
    if (s == 0) {
        s = freeSlot();
        if (s == 0)
            return Received::NoFreeSlot;
        slots_[s] = NetworkBlock{frame.type, 2, frame.id, frame.blockLength, 0, QByteArray()};
        slots_[s].payload.reserve(static_cast<int>(frame.blockLength));
    }
    NetworkBlock& slot = slots_[s];
    if (slot.length != frame.blockLength ||
        slot.position + static_cast<quint32>(frame.payload.size()) > slot.length)
        return Received::Broken;
    slot.payload.append(frame.payload);
    slot.position += static_cast<quint32>(frame.payload.size());
    if (slot.position < slot.length)
        return Received::Stored;
    const NetworkBlock block = slot;
    const quint32 epoch = epoch_;
    deliver(block);
    if (epoch == epoch_)
        slots_[s] = NetworkBlock{};
    return Received::Stored;
}

void SlotTable::clear() {
    slots_.fill(NetworkBlock{});
    ++epoch_;
}

int SlotTable::busy() const {
    return static_cast<int>(
        std::count_if(slots_.begin() + 1, slots_.end(), [](const NetworkBlock& s) { return s.state != 0; }));
}

bool SlotTable::sending() const {
    return std::any_of(slots_.begin() + 1, slots_.end(),
                       [](const NetworkBlock& s) { return s.state == 1 && s.position < s.length; });
}

int SlotTable::freeSlot() const {
    for (int s = kSlots; s >= 1; --s)
        if (slots_[s].state == 0)
            return s;
    return 0;
}

int SlotTable::receivingSlot(qint32 id) const {
    for (int s = kSlots; s >= 1; --s)
        if (slots_[s].state == 2 && slots_[s].id == id)
            return s;
    return 0;
}
