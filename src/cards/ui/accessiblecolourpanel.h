#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// The card editor's colour panels (ColourPanel) as buttons named by their slot, "Farbe 1",
// described by their colour, checked while their slot is current: for an accessibility
// factory. Null for anything else.
QAccessibleInterface* accessibleColourPanel(const QString& className, QObject* object);
