#include "accessibility.h"

#include "controls/ui/accessiblecontrols.h"

#include <QAccessible>

void installAccessibility() {
    QAccessible::installFactory(accessibleControl);
}
