#include "accessibility.h"

#include "board/ui/accessibleboard.h"
#include "controls/ui/accessiblecontrols.h"

#include <QAccessible>

namespace {

QAccessibleInterface* ownInterface(const QString& className, QObject* object) {
    if (QAccessibleInterface* control = accessibleControl(className, object))
        return control;
    return accessibleBoardPart(className, object);
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(ownInterface);
}
