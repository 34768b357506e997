#pragma once

#include <QImage>
#include <QString>

// The name of picture `motif` (1..64) of the built-in sheet, as a player would call what the
// card shows; empty for other numbers.
QString builtInPictureName(int motif);

// True when the cell of picture `motif` on `sheet` holds exactly the built-in picture. A sheet
// file edited from the built-in one keeps the pictures nobody painted over.
bool showsBuiltInPicture(const QImage& sheet, int motif);
