#include "accessiblecontrols.h"

#include "captionband.h"
#include "lamp.h"
#include "latchingbutton.h"
#include "linklabel.h"
#include "pushbutton.h"
#include "sevensegmentdisplay.h"
#include "toolbutton.h"
#include "valuelabel.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLabel>

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

// The texts of the labels whose buddy `value` is, around the text it shows, as the eye reads
// them: a caption left of or above it ("Teilgenommen an:", "Restpunkte") before, a unit right
// of it ("Spielen") after. Just `shown` when nothing labels it.
QString captioned(const QWidget* value, const QString& shown) {
    QStringList before;
    QStringList after;
    const QWidget* parent = value->parentWidget();
    if (!parent)
        return shown;
    for (const QLabel* label : parent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->buddy() != value || label->text().isEmpty())
            continue;
        (label->x() > value->geometry().right() ? after : before) << withoutAccelerator(label->text());
    }
    QString text = before.join(QLatin1Char(' '));
    if (!text.isEmpty() && !shown.isEmpty())
        text += text.endsWith(QLatin1Char(':')) ? QStringLiteral(" ") : QStringLiteral(": ");
    text += shown;
    if (!after.isEmpty())
        text += QLatin1Char(' ') + after.join(QLatin1Char(' '));
    return text;
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

// A control that does something when clicked offers that as its action while it is enabled,
// as Qt's buttons do, beside moving the focus there.
class ClickableControl : public OwnControl {
public:
    ClickableControl(QWidget* control, QAccessible::Role role, QString action)
        : OwnControl(control, role), action_(std::move(action)) {}

    QStringList actionNames() const override {
        QStringList names = OwnControl::actionNames();
        if (widget()->isEnabled())
            names.prepend(action_);
        return names;
    }
    void doAction(const QString& name) override {
        if (name != action_)
            OwnControl::doAction(name);
        else if (widget()->isEnabled())
            click();
    }

protected:
    virtual void click() = 0;

private:
    QString action_;
};

class AccessiblePushButton : public ClickableControl {
public:
    explicit AccessiblePushButton(PushButton* button)
        : ClickableControl(button, QAccessible::Button, pressAction()) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->caption()).toString(QKeySequence::NativeText);
        return ClickableControl::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = ClickableControl::state();
        s.defaultButton = button()->isDefault();
        return s;
    }

protected:
    QString shownName() const override { return withoutAccelerator(button()->caption()); }
    void click() override { button()->click(); }

private:
    PushButton* button() const { return static_cast<PushButton*>(widget()); }
};

class AccessibleToolButton : public ClickableControl {
public:
    explicit AccessibleToolButton(ToolButton* button)
        : ClickableControl(button, QAccessible::Button, pressAction()) {}

protected:
    QString shownName() const override {
        return joinedLines(button()->topCaption().trimmed(), button()->bottomCaption().trimmed());
    }
    void click() override { button()->click(); }

private:
    ToolButton* button() const { return static_cast<ToolButton*>(widget()); }
};

// A picture only: its tool tip names it.
class AccessibleLatchingButton : public ClickableControl {
public:
    explicit AccessibleLatchingButton(LatchingButton* button)
        : ClickableControl(button, QAccessible::Button, pressAction()) {}

    QAccessible::State state() const override {
        QAccessible::State s = ClickableControl::state();
        s.checkable = true;
        s.checked = s.pressed = button()->isDown();
        return s;
    }

protected:
    QString shownName() const override { return widget()->toolTip(); }
    void click() override { button()->click(); }

private:
    LatchingButton* button() const { return static_cast<LatchingButton*>(widget()); }
};

class AccessibleLamp : public ClickableControl {
public:
    explicit AccessibleLamp(Lamp* lamp)
        : ClickableControl(
              lamp, lamp->behaviour() == Lamp::RadioButton ? QAccessible::RadioButton : QAccessible::CheckBox,
              toggleAction()) {}

    // The behaviour may be set after the interface was made.
    QAccessible::Role role() const override {
        return lamp()->behaviour() == Lamp::RadioButton ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QAccessible::State state() const override {
        QAccessible::State s = ClickableControl::state();
        s.checkable = true;
        s.checked = lamp()->isChecked();
        return s;
    }

protected:
    QString shownName() const override { return lamp()->caption(); }
    void click() override { lamp()->click(); }

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

// The number it shows, after its caption: "Restpunkte: 30". The caption is the label whose
// buddy the display is, or a caption set as accessible name.
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
        if (caption.isEmpty())
            return captioned(widget(), shownValue());
        return shownValue().isEmpty() ? caption : caption + QStringLiteral(": ") + shownValue();
    }

private:
    // The demonstration shows no number.
    QString shownValue() const {
        const auto* display = static_cast<SevenSegmentDisplay*>(widget());
        return display->mode() == SevenSegmentDisplay::Normal ? QString::number(display->value()) : QString();
    }
};

class AccessibleValueLabel : public QAccessibleWidget {
public:
    explicit AccessibleValueLabel(ValueLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return captioned(widget(), static_cast<QLabel*>(widget())->text());
        if (t == QAccessible::Value)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
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
    if (className == QLatin1String("ValueLabel"))
        return make<ValueLabel, AccessibleValueLabel>(object);
    return nullptr;
}
