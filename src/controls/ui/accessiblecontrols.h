#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// Accessible names, roles, states and actions for the program's own controls, which draw
// themselves and so tell assistive technology nothing of their own, and for the value labels
// that are heard with their captions: for an accessibility factory. Null for any other class.
QAccessibleInterface* accessibleControl(const QString& className, QObject* object);
