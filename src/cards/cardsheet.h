#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

// A card-picture sheet: 64 pictures of 40 x 40 pixels, eight to a row at a 41-pixel pitch,
// with one-pixel gutters between them. A sheet file is nothing but the sheet as a Windows
// bitmap file, whatever its name.

inline constexpr int kSheetMotifCount = 64;
inline constexpr int kSheetColumns = 8;
inline constexpr int kSheetPitch = 41;
inline constexpr int kSheetPictureSize = 40;

// The picture source that stands for the built-in sheet instead of a file name, as the
// settings keep it.
QString builtInSheetMarker();
// The marker as the player reads it, in the language of the program's texts.
QString shownBuiltInSheetMarker();

// True only for the marker itself or as shown: same case, same blanks, nothing around it.
bool isBuiltInSheetMarker(const QString& source);

// The built-in sheet "Standardsymbole": 330 x 330 pixels, 8 bits per pixel, 256 colours.
QImage builtInSheet();

// Where picture `motif` (1..64) lies on a sheet; empty for other numbers.
QRect motifRect(int motif);

// Reads a sheet from a BMP file of any name. The sheet keeps the file's size, pixel format
// and palette; colour numbers beyond a short palette get black entries. Missing, unreadable
// and non-BMP files, files that lack pixels their headers promise (the last row's padding may
// be missing), and sizes beyond the reader's memory limit give nothing, with the reason in
// `error` when asked for.
std::optional<QImage> readSheetFile(const QString& fileName, QString* error = nullptr);

// Writes `sheet` as a BMP file, replacing `fileName` only once the whole file is written.
// Palette sheets stay palette sheets (the built-in sheet's 256 colours take 8 bits per pixel);
// other formats are written as 24-bit true colour.
bool writeSheetFile(const QImage& sheet, const QString& fileName, QString* error = nullptr);
