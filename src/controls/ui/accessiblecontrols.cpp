#include "accessiblecontrols.h"

#include "captionband.h"
#include "lamp.h"
#include "latchingbutton.h"
#include "linklabel.h"
#include "pushbutton.h"
#include "sevensegmentdisplay.h"
#include "toolbutton.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

// A caption as a screen reader should say it: accelerator marks gone, "&&" a plain "&".
QString withoutAccelerator(const QString& caption) {
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

// The two lines of a tool button as one name: a word broken with a hyphen ("Karten-" /
// "editor") or after a slash is joined again, other lines are two words.
QString joinedLines(const QString& top, const QString& bottom) {
    if (top.isEmpty() || bottom.isEmpty())
        return top + bottom;
    if (top.endsWith(QLatin1Char('-')) && bottom.front().isLower())
        return top.chopped(1) + bottom;
    if (top.endsWith(QLatin1Char('/')))
        return top + bottom;
    return top + QLatin1Char(' ') + bottom;
}

// An explicitly set accessible name wins over what the control shows, as with Qt's own widgets.
class OwnControl : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? shownName() : widget()->accessibleName();
        if (t == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }

protected:
    virtual QString shownName() const = 0;
};

class AccessiblePushButton : public OwnControl {
public:
    explicit AccessiblePushButton(PushButton* button) : OwnControl(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->caption()).toString(QKeySequence::NativeText);
        return OwnControl::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = OwnControl::state();
        s.defaultButton = button()->isDefault();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction())
            button()->click();
    }

protected:
    QString shownName() const override { return withoutAccelerator(button()->caption()); }

private:
    PushButton* button() const { return static_cast<PushButton*>(widget()); }
};

class AccessibleToolButton : public OwnControl {
public:
    explicit AccessibleToolButton(ToolButton* button) : OwnControl(button, QAccessible::Button) {}

protected:
    QString shownName() const override {
        const auto* button = static_cast<ToolButton*>(widget());
        return joinedLines(button->topCaption().trimmed(), button->bottomCaption().trimmed());
    }
};

// A picture only: its tool tip names it.
class AccessibleLatchingButton : public OwnControl {
public:
    explicit AccessibleLatchingButton(LatchingButton* button) : OwnControl(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = OwnControl::state();
        s.checkable = true;
        s.checked = s.pressed = static_cast<LatchingButton*>(widget())->isDown();
        return s;
    }

protected:
    QString shownName() const override { return widget()->toolTip(); }
};

class AccessibleLamp : public OwnControl {
public:
    explicit AccessibleLamp(Lamp* lamp)
        : OwnControl(lamp, lamp->behaviour() == Lamp::RadioButton ? QAccessible::RadioButton
                                                                  : QAccessible::CheckBox) {}

    // The behaviour may be set after the interface was made.
    QAccessible::Role role() const override {
        return lamp()->behaviour() == Lamp::RadioButton ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QAccessible::State state() const override {
        QAccessible::State s = OwnControl::state();
        s.checkable = true;
        s.checked = lamp()->isChecked();
        return s;
    }

protected:
    QString shownName() const override { return lamp()->caption(); }

private:
    Lamp* lamp() const { return static_cast<Lamp*>(widget()); }
};

class AccessibleCaptionBand : public OwnControl {
public:
    explicit AccessibleCaptionBand(CaptionBand* band) : OwnControl(band, QAccessible::Heading) {}

protected:
    QString shownName() const override {
        const QString caption = static_cast<CaptionBand*>(widget())->caption();
        return caption.isEmpty() ? widget()->objectName() : caption.trimmed();
    }
};

class AccessibleLinkLabel : public OwnControl {
public:
    explicit AccessibleLinkLabel(LinkLabel* label) : OwnControl(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return link()->url();
        return OwnControl::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = OwnControl::state();
        s.linked = true;
        return s;
    }

protected:
    QString shownName() const override { return link()->text(); }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

// The number it shows, after the caption set as accessible name: "Restpunkte: 30".
class AccessibleSevenSegmentDisplay : public QAccessibleWidget {
public:
    explicit AccessibleSevenSegmentDisplay(SevenSegmentDisplay* display)
        : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const QString caption = widget()->accessibleName();
        if (t == QAccessible::Value)
            return shownValue();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (shownValue().isEmpty())
            return caption;
        return caption.isEmpty() ? shownValue() : caption + QStringLiteral(": ") + shownValue();
    }

private:
    // The demonstration shows no number.
    QString shownValue() const {
        const auto* display = static_cast<SevenSegmentDisplay*>(widget());
        return display->mode() == SevenSegmentDisplay::Normal ? QString::number(display->value()) : QString();
    }
};

template <typename Control, typename Interface> QAccessibleInterface* make(QObject* object) {
    auto* control = qobject_cast<Control*>(object);
    return control ? new Interface(control) : nullptr;
}

} // namespace

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    if (className == QLatin1String("PushButton"))
        return make<PushButton, AccessiblePushButton>(object);
    if (className == QLatin1String("ToolButton"))
        return make<ToolButton, AccessibleToolButton>(object);
    if (className == QLatin1String("LatchingButton"))
        return make<LatchingButton, AccessibleLatchingButton>(object);
    if (className == QLatin1String("Lamp"))
        return make<Lamp, AccessibleLamp>(object);
    if (className == QLatin1String("CaptionBand"))
        return make<CaptionBand, AccessibleCaptionBand>(object);
    if (className == QLatin1String("LinkLabel"))
        return make<LinkLabel, AccessibleLinkLabel>(object);
    if (className == QLatin1String("SevenSegmentDisplay"))
        return make<SevenSegmentDisplay, AccessibleSevenSegmentDisplay>(object);
    return nullptr;
}
