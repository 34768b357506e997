#pragma once

#include <QImage>
#include <QString>

class QWidget;

// Makes `currentSheet` the picture sheet named by `source`: the built-in sheet for the marker
// "*** Standardsymbole ***", else the file of that name. A file that cannot be read is
// reported in a modal message box over `parent`, and the built-in sheet is used instead.
void loadCurrentSheet(const QString& source, QImage& currentSheet, QWidget* parent);

// Copies the built-in sheet into `currentSheet`.
void useBuiltInSheet(QImage& currentSheet);
