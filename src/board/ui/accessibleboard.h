#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// Image views for an accessibility factory: the board view, which carries a BoardNarrator, as
// a table of its slots, the status view, which carries a StatusNarrator, as a status bar, and
// any other as a picture (boardnarrators.h). Null for anything else.
QAccessibleInterface* accessibleBoardPart(const QString& className, QObject* object);
