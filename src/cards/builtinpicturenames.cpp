#include "builtinpicturenames.h"

#include "cardsheet.h"

#include <QCoreApplication>

#include <array>

namespace {

// Row by row as the sheet shows them, eight to a row, a blank line after each row.
// clang-format off
const std::array<const char*, kSheetMotifCount> kNames = {
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Apfel"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Sonne"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Auto"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Fisch"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Baum"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Herz"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Schlüssel"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Schmetterling"),

    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Birne"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Regenwolke"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Segelboot"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Vogel"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Tanne"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Pik"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Glocke"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Marienkäfer"),

    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Kirschen"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Mond"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Flugzeug"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Schnecke"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Blume"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Kreuz"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Krone"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Ente"),

    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Banane"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Blitz"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Rakete"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Katze"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Tulpe"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Karo"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Anker"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Schwein"),

    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Erdbeere"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Schneeflocke"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Heißluftballon"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Frosch"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Kaktus"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Musiknote"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Briefumschlag"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Pinguin"),

    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Weintrauben"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Regenbogen"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Fahrrad"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Biene"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Fliegenpilz"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Stern"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Schere"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Wal"),

    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Möhre"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Regenschirm"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Haus"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Maus"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Ahornblatt"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Würfel"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Telefon"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Hase"),

    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Wassermelone"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Schneemann"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Wasserball"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Pferd"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Kaffeetasse"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Sanduhr"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Glühbirne"),
    QT_TRANSLATE_NOOP("BuiltInPictureNames", "Eistüte"),
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
    return QCoreApplication::translate("BuiltInPictureNames", kNames[motif - 1]);
}

bool showsBuiltInPicture(const QImage& sheet, int motif) {
    const QRect cell = motifRect(motif);
    if (cell.isEmpty() || !sheet.rect().contains(cell))
        return false;
    return sheet.copy(cell).convertToFormat(QImage::Format_RGB32) == builtInPicture(motif);
}
