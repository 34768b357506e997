#include "builtinpicturenames.h"

#include "cardsheet.h"

#include <array>

namespace {

// Row by row as the sheet shows them, eight to a row.
// clang-format off
const std::array<const char*, kSheetMotifCount> kNames = {
    "Apfel", "Sonne", "Auto", "Fisch", "Baum", "Herz", "Schlüssel", "Schmetterling",
    "Birne", "Regenwolke", "Segelboot", "Vogel", "Tanne", "Pik", "Glocke", "Marienkäfer",
    "Kirschen", "Mond", "Flugzeug", "Schnecke", "Blume", "Kreuz", "Krone", "Ente",
    "Banane", "Blitz", "Rakete", "Katze", "Tulpe", "Karo", "Anker", "Schwein",
    "Erdbeere", "Schneeflocke", "Heißluftballon", "Frosch", "Kaktus", "Musiknote", "Briefumschlag", "Pinguin",
    "Weintrauben", "Regenbogen", "Fahrrad", "Biene", "Fliegenpilz", "Stern", "Schere", "Wal",
    "Möhre", "Regenschirm", "Haus", "Maus", "Ahornblatt", "Würfel", "Telefon", "Hase",
    "Wassermelone", "Schneemann", "Wasserball", "Pferd", "Kaffeetasse", "Sanduhr", "Glühbirne", "Eistüte",
};
// clang-format on

QImage builtInPicture(int motif) {
    // Decoded once: screen readers may ask for every card of the board in a row.
    static const QImage sheet = builtInSheet().convertToFormat(QImage::Format_RGB32);
    return sheet.copy(motifRect(motif));
}

} // namespace

QString builtInPictureName(int motif) {
    if (motif < 1 || motif > kSheetMotifCount)
        return {};
    return QString::fromUtf8(kNames[motif - 1]);
}

bool showsBuiltInPicture(const QImage& sheet, int motif) {
    const QRect cell = motifRect(motif);
    if (cell.isEmpty() || !sheet.rect().contains(cell))
        return false;
    return sheet.copy(cell).convertToFormat(QImage::Format_RGB32) == builtInPicture(motif);
}
