#include "boardframe.h"

#include "controls/ui/accessibleevents.h"
#include "focusmark.h"
#include "game/boardnavigation.h"
#include "game/gamestate.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <optional>

namespace {

std::optional<BoardMove> moveForKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        return BoardMove::Left;
    case Qt::Key_Right:
        return BoardMove::Right;
    case Qt::Key_Up:
        return BoardMove::Up;
    case Qt::Key_Down:
        return BoardMove::Down;
    case Qt::Key_Home:
        return BoardMove::First;
    case Qt::Key_End:
        return BoardMove::Last;
    default:
        return std::nullopt;
    }
}

bool isChoiceKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

BoardFrame::BoardFrame(const GameState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setFocusPolicy(Qt::StrongFocus);
}

void BoardFrame::setView(QWidget* view) {
    view_ = view;
    mark_ = new FocusMark(view);
    // A filter sees the presses also while the view is switched off and takes none.
    view->installEventFilter(this);
}

bool BoardFrame::isMarkShown() const {
    return mark_ && mark_->isVisible();
}

void BoardFrame::keyPressEvent(QKeyEvent* event) {
    const std::optional<BoardMove> move = moveForKey(event->key());
    if (!view_ || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ||
        (!move && !isChoiceKey(event->key()))) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (move) {
        keyboardUsed_ = true;
        slot_ = moveFocus(state_, slot_, *move);
    } else {
        choose();
    }
    placeMark();
}

// The first key after the mouse only shows where the focus is, and a mark left on a card that
// is gone or face up moves on to a card that can be turned; neither turns anything.
void BoardFrame::choose() {
    if (!view_->isEnabled())
        return;
    const bool wasShown = isMarkShown();
    keyboardUsed_ = true;
    if (wasShown && isTurnable(state_, slot_))
        Q_EMIT cardChosen(slot_);
    else
        slot_ = settleFocus(state_, slot_);
}

void BoardFrame::placeMark() {
    if (!mark_)
        return;
    const bool shown =
        hasFocus() && keyboardUsed_ && state_.gameRunning && slot_ >= 1 && slot_ <= state_.cardCount();
    if (shown)
        mark_->ring(QPoint(state_.cards[slot_].left, state_.cards[slot_].top));
    mark_->setVisible(shown);
    // A screen reader follows the mark as it follows the focus: the marked slot is the board's
    // focused cell.
    if (shown && slot_ != announcedSlot_) {
        QAccessibleEvent event(view_, QAccessible::Focus);
        event.setChild(slot_ - 1);
        announce(event);
    }
    announcedSlot_ = shown ? slot_ : 0;
}

void BoardFrame::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardUsed_ = true;
    if (!isTurnable(state_, slot_))
        slot_ = settleFocus(state_, slot_);
    placeMark();
    QFrame::focusInEvent(event);
}

void BoardFrame::focusOutEvent(QFocusEvent* event) {
    placeMark();
    QFrame::focusOutEvent(event);
}

bool BoardFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::MouseButtonPress) {
        keyboardUsed_ = false;
        placeMark();
    }
    return QFrame::eventFilter(watched, event);
}
