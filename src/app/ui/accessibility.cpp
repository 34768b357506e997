#include "accessibility.h"

#include "board/ui/accessibleboard.h"
#include "cards/ui/accessiblecolourpanel.h"
#include "controls/ui/accessiblecontrols.h"
#include "records/ui/accessiblehighscores.h"

#include <QAccessible>

namespace {

QAccessibleInterface* ownInterface(const QString& className, QObject* object) {
    if (QAccessibleInterface* control = accessibleControl(className, object))
        return control;
    if (QAccessibleInterface* table = accessibleHighScores(className, object))
        return table;
    if (QAccessibleInterface* colour = accessibleColourPanel(className, object))
        return colour;
    return accessibleBoardPart(className, object);
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(ownInterface);
}
