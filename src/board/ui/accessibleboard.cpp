#include "accessibleboard.h"

#include "boardframe.h"
#include "boardnarrators.h"
#include "controls/ui/readonlytableaccessible.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

constexpr int kColumns = 15; // cards to a row on either board size

// One slot of the board. It has no object of its own, so the board keeps it registered.
class AccessibleCell : public ReadOnlyTableCell {
public:
    AccessibleCell(BoardNarrator* narrator, int slot) : narrator_(narrator), slot_(slot) {}

    bool isValid() const override { return narrator_ && slot_ <= narrator_->cellCount(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? narrator_->cellName(slot_) : QString();
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect inView = narrator_->cellRect(slot_);
        return {narrator_->view()->mapToGlobal(inView.topLeft()), inView.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !isValid() || !narrator_->view()->isVisible();
        if (const auto* keys = qobject_cast<const BoardFrame*>(narrator_->view()->parentWidget())) {
            s.focusable = true;
            s.focused = keys->hasFocus() && keys->isMarkShown() && keys->focusedSlot() == slot_;
        }
        return s;
    }
    int columnIndex() const override { return (slot_ - 1) % kColumns; }
    int rowIndex() const override { return (slot_ - 1) / kColumns; }
    QAccessibleInterface* table() const override {
        return narrator_ ? QAccessible::queryAccessibleInterface(narrator_->view()) : nullptr;
    }

private:
    QPointer<BoardNarrator> narrator_;
    int slot_;
};

// Any image view may show the board or the status strip; which one it is, the narrator it
// carries says. It is asked at every call, as Qt may make the interface before the narrator
// is attached. The board is a table of fifteen cells to a row, child i being slot i + 1;
// nothing can be selected there, cards are turned through the board's own input.
class AccessibleImageView : public ReadOnlyTableAccessible {
public:
    explicit AccessibleImageView(QWidget* view) : ReadOnlyTableAccessible(view, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        if (board())
            return QAccessible::Table;
        return status() ? QAccessible::StatusBar : QAccessibleWidget::role();
    }
    QString text(QAccessible::Text t) const override {
        const bool named = !widget()->accessibleName().isEmpty();
        if (t == QAccessible::Name && !named && board())
            return QCoreApplication::translate("AccessibleBoard", "Spielfeld");
        if (t == QAccessible::Name && !named && status())
            return status()->text();
        if (t == QAccessible::Description && board() && childCount() == 0)
            return QCoreApplication::translate("AccessibleBoard", "Kein Spiel aktiv");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return board() ? board()->cellCount() : 0; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? cell(index + 1) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->role() != QAccessible::Cell || child->parent() != this)
            return -1;
        const auto* c = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return c->rowIndex() * kColumns + c->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint inView = widget()->mapFromGlobal(QPoint(x, y));
        for (int slot = 1; slot <= childCount(); ++slot)
            if (board()->cellRect(slot).contains(inView))
                return cell(slot);
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return board() ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns)
            return nullptr;
        return cell(row * kColumns + column + 1);
    }
    QString columnDescription(int) const override { return {}; }
    int columnCount() const override { return childCount() > 0 ? kColumns : 0; }
    int rowCount() const override { return childCount() / kColumns; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetCells(); }

private:
    BoardNarrator* board() const {
        return widget()->findChild<BoardNarrator*>(QString(), Qt::FindDirectChildrenOnly);
    }
    StatusNarrator* status() const {
        return widget()->findChild<StatusNarrator*>(QString(), Qt::FindDirectChildrenOnly);
    }
    QAccessibleInterface* cell(int slot) const {
        return cachedCell(slot, [&] { return new AccessibleCell(board(), slot); });
    }
};

} // namespace

QAccessibleInterface* accessibleBoardPart(const QString& className, QObject* object) {
    if (className != QLatin1String("ImageView") || !object->isWidgetType())
        return nullptr;
    return new AccessibleImageView(static_cast<QWidget*>(object));
}
