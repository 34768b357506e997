#include "boardnarrators.h"

#include "board/boardnarration.h"
#include "controls/ui/accessibleevents.h"

#include <QWidget>

BoardNarrator::BoardNarrator(const GameState& state, const QImage& sheet, QWidget* boardView)
    : QObject(boardView), state_(state), sheet_(sheet) {}

QWidget* BoardNarrator::view() const {
    return static_cast<QWidget*>(parent());
}

int BoardNarrator::cellCount() const {
    return state_.gameRunning ? state_.cardCount() : 0;
}

QString BoardNarrator::cellName(int slot) const {
    return slotName(state_, sheet_, slot);
}

QRect BoardNarrator::cellRect(int slot) const {
    return {slotLeft(slot), slotTop(slot), kCardSize, kCardSize};
}

void BoardNarrator::announceChanges() {
    // Nobody listens: nothing to compare later either, the next listener hears a new table.
    if (!announcementsHeard()) {
        announced_.clear();
        return;
    }
    QStringList names;
    for (int slot = 1; slot <= cellCount(); ++slot)
        names << cellName(slot);
    if (names.size() != announced_.size()) {
        QAccessibleTableModelChangeEvent event(view(), QAccessibleTableModelChangeEvent::ModelReset);
        announce(event);
    } else {
        for (int i = 0; i < names.size(); ++i) {
            if (names[i] == announced_[i])
                continue;
            QAccessibleEvent event(view(), QAccessible::NameChanged);
            event.setChild(i);
            announce(event);
        }
    }
    announced_ = names;
}

StatusNarrator::StatusNarrator(const GameState& state, const QImage& sheet, QWidget* statusView)
    : QObject(statusView), state_(state), sheet_(sheet) {}

// The news first: whoever listens hears the turned cards before the standings.
QString StatusNarrator::text() const {
    const QString turn = turn_.text(state_);
    return turn.isEmpty() ? statusText(state_) : turn + QStringLiteral(". ") + statusText(state_);
}

void StatusNarrator::announceChanges() {
    turn_.update(state_, sheet_);
    const QString now = text();
    if (now == announced_)
        return;
    announced_ = now;
    QAccessibleEvent event(parent(), QAccessible::NameChanged);
    announce(event);
}
