#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// The high-score picture (HighScoreView) as a table of 30 ranks with the columns "Rang",
// "Name", "Punkte" and "Datum", each cell saying what the picture shows there: for an
// accessibility factory. Null for anything else.
QAccessibleInterface* accessibleHighScores(const QString& className, QObject* object);
