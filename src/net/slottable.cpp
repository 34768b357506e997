#include "slottable.h"

#include <algorithm>

bool SlotTable::queue(const NetworkBlock& block) {
    const int s = freeSlot();
    if (s == 0)
        return false;
    NetworkBlock& slot = slots_[s];
    slot.Typ = block.Typ;
    slot.Kennung = nextKennung_++;
    slot.Laenge = block.Laenge;
    slot.Daten = block.Daten.left(static_cast<int>(block.Laenge));
    slot.Position = 0;
    slot.Zustand = 1;
    return true;
}

void SlotTable::takeFrames(const std::function<void(const QByteArray&)>& send) {
    for (int s = 1; s <= kSlots; ++s) {
        NetworkBlock& slot = slots_[s];
        if (slot.Zustand != 1 || slot.Position >= slot.Laenge)
            continue;
        const quint32 count = std::min(slot.Laenge - slot.Position, kMaxFramePayload);
        send(encodeFrame(slot, slot.Position, count));
        slot.Position += count;
        if (slot.Position >= slot.Laenge)
            slot = NetworkBlock{};
    }
}

SlotTable::Received SlotTable::receive(const Frame& frame,
                                       const std::function<void(const NetworkBlock&)>& deliver) {
    int s = receivingSlot(frame.kennung);
    if (s == 0) {
        s = freeSlot();
        if (s == 0)
            return Received::NoFreeSlot;
        slots_[s] = NetworkBlock{frame.typ, 2, frame.kennung, frame.laenge, 0, QByteArray()};
        slots_[s].Daten.reserve(static_cast<int>(frame.laenge));
    }
    NetworkBlock& slot = slots_[s];
    if (slot.Laenge != frame.laenge ||
        slot.Position + static_cast<quint32>(frame.payload.size()) > slot.Laenge)
        return Received::Broken;
    slot.Daten.append(frame.payload);
    slot.Position += static_cast<quint32>(frame.payload.size());
    if (slot.Position < slot.Laenge)
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
    return static_cast<int>(std::count_if(slots_.begin() + 1, slots_.end(),
                                          [](const NetworkBlock& s) { return s.Zustand != 0; }));
}

int SlotTable::freeSlot() const {
    for (int s = kSlots; s >= 1; --s)
        if (slots_[s].Zustand == 0)
            return s;
    return 0;
}

int SlotTable::receivingSlot(qint32 kennung) const {
    for (int s = kSlots; s >= 1; --s)
        if (slots_[s].Zustand == 2 && slots_[s].Kennung == kennung)
            return s;
    return 0;
}
