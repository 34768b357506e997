#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// Accessible names, roles and states for the program's own controls, which draw themselves
// and so tell assistive technology nothing of their own: for an accessibility factory.
// Null for any other class.
QAccessibleInterface* accessibleControl(const QString& className, QObject* object);
