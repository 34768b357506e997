#include "gamemessages.h"

#include "littleendian.h"
#include "records/ansitext.h"

#include <QtEndian>

namespace {

constexpr int kEntrySize = 23;
constexpr int kNameBytes = 20;

quint8 byteAt(const QByteArray& bytes, int offset) {
    return static_cast<quint8>(bytes.at(offset));
}

} // namespace

QByteArray encodeInvitation(const Invitation& invitation) {
    QByteArray out(kInvitationSize, '\0');
    out[0] = static_cast<char>(invitation.playerCount);
    for (int i = 1; i <= 4; ++i) {
        const InvitedPlayer& player = invitation.players[i - 1];
        // The code page of the data files, so both computers record the same names.
        const QByteArray name = toAnsi(player.name).left(kNameBytes);
        const int entry = 1 + kEntrySize * (i - 1);
        out[entry] = static_cast<char>(name.size());
        out.replace(entry + 1, name.size(), name);
        out[entry + 21] = player.isComputer ? 1 : 0;
        out[entry + 22] = player.isNetwork ? 1 : 0;
    }
    return out;
}

QByteArray encodeAnswer(bool accepted) {
    return QByteArray(1, accepted ? 1 : 0);
}

QByteArray encodeGameData(const GameData& data) {
    QByteArray out;
    out.reserve(kGameDataSize);
    char count[2];
    qToLittleEndian(data.cardCount, count);
    out.append(count, 2);
    out.append(static_cast<char>(data.largeBoard ? 1 : 0));
    out.append(static_cast<char>(data.triples ? 1 : 0));
    out.append(static_cast<char>(data.pictures ? 1 : 0));
    for (int k = 1; k <= kMessageSlotCount; ++k)
        appendLittle32(out, static_cast<quint32>(data.motifs[k]));
    return out;
}

QByteArray encodeCardTurned(int participant, int slot) {
    QByteArray out(3, '\0');
    out[0] = static_cast<char>(participant);
    qToLittleEndian(static_cast<quint16>(slot), out.data() + 1);
    return out;
}

QByteArray encodeSignal() {
    QByteArray out;
    appendLittle32(out, 1);
    return out;
}

std::optional<Invitation> decodeInvitation(const QByteArray& payload) {
    if (payload.size() != kInvitationSize)
        return std::nullopt;
    Invitation invitation;
    invitation.playerCount = byteAt(payload, 0);
    if (invitation.playerCount < 1 || invitation.playerCount > 4)
        return std::nullopt;
    for (int i = 0; i < 4; ++i) {
        const int entry = 1 + kEntrySize * i;
        const int length = byteAt(payload, entry);
        if (length > kNameBytes)
            return std::nullopt;
        InvitedPlayer& player = invitation.players[i];
        player.name = fromAnsi(QByteArrayView(payload).sliced(entry + 1, length));
        player.isComputer = byteAt(payload, entry + 21) != 0;
        player.isNetwork = byteAt(payload, entry + 22) != 0;
    }
    return invitation;
}

std::optional<bool> decodeAnswer(const QByteArray& payload) {
    if (payload.size() != 1)
        return std::nullopt;
    return byteAt(payload, 0) == 1;
}

std::optional<GameData> decodeGameData(const QByteArray& payload) {
    if (payload.size() != kGameDataSize)
        return std::nullopt;
    GameData data;
    data.cardCount = qFromLittleEndian<quint16>(payload.constData());
    data.largeBoard = byteAt(payload, 2) == 1;
    data.triples = byteAt(payload, 3) == 1;
    data.pictures = byteAt(payload, 4) == 1;
    for (int k = 1; k <= kMessageSlotCount; ++k)
        data.motifs[k] = readLittle32<qint32>(payload, 5 + 4 * (k - 1));

    const int n = data.largeBoard ? 120 : 60;
    const int groupSize = data.triples ? 3 : 2;
    const int groups = n / groupSize;
    std::array<int, 61> seen{};
    for (int k = 1; k <= n; ++k) {
        const qint32 motif = data.motifs[k];
        if (motif < 1 || motif > groups || ++seen[motif] > groupSize)
            return std::nullopt;
    }
    return data;
}

std::optional<CardTurned> decodeCardTurned(const QByteArray& payload) {
    if (payload.size() != 3)
        return std::nullopt;
    CardTurned card;
    card.participant = byteAt(payload, 0);
    card.slot = qFromLittleEndian<quint16>(payload.constData() + 1);
    if (card.participant < 1 || card.participant > 4 || card.slot < 1 || card.slot > kMessageSlotCount)
        return std::nullopt;
    return card;
}

bool isSignal(const QByteArray& payload) {
    return payload.size() == 4;
}
