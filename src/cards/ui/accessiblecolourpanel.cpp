#include "accessiblecolourpanel.h"

#include "colourpanel.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace {

class AccessibleColourPanel : public QAccessibleWidget {
public:
    explicit AccessibleColourPanel(ColourPanel* panel) : QAccessibleWidget(panel, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("ColourPanel", "Farbe %1").arg(panel()->tag());
        if (t == QAccessible::Description) {
            const QColor colour = panel()->colour();
            return QCoreApplication::translate("ColourPanel", "Rot %1, Grün %2, Blau %3")
                .arg(colour.red())
                .arg(colour.green())
                .arg(colour.blue());
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = panel()->bevelWidth() > 1;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && panel()->isEnabled())
            panel()->click();
    }

private:
    ColourPanel* panel() const { return static_cast<ColourPanel*>(widget()); }
};

} // namespace

QAccessibleInterface* accessibleColourPanel(const QString& className, QObject* object) {
    if (className != QLatin1String("ColourPanel"))
        return nullptr;
    auto* panel = qobject_cast<ColourPanel*>(object);
    return panel ? new AccessibleColourPanel(panel) : nullptr;
}
