#include "accessiblehighscores.h"

#include "controls/ui/readonlytableaccessible.h"
#include "highscoreview.h"
#include "records/highscoredrawing.h"
#include "records/highscoretable.h"

#include <QPointer>

namespace {

constexpr int kColumns = 4;
constexpr int kRows = HighScoreTable::kShownRanks;
constexpr int kHeadingRow = -1;

// Child i of the table: the four headings first, then the ranks row by row.
int childIndex(int row, int column) {
    return (row + 1) * kColumns + column;
}

// One heading or one text of a rank. It has no object of its own, so the table keeps it
// registered.
class AccessibleScoreCell : public ReadOnlyTableCell {
public:
    AccessibleScoreCell(HighScoreView* view, int row, int column) : view_(view), row_(row), column_(column) {}

    bool isValid() const override { return view_; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !view_)
            return {};
        if (row_ == kHeadingRow)
            return highScoreHeadings()[column_];
        return highScoreRowTexts(view_->table(), row_ + 1)[column_];
    }
    QRect rect() const override {
        if (!view_)
            return {};
        const QRect inView =
            row_ == kHeadingRow ? highScoreHeadingRect(column_) : highScoreCellRect(row_ + 1, column_);
        return {view_->mapToGlobal(inView.topLeft()), inView.size()};
    }
    QAccessible::Role role() const override {
        return row_ == kHeadingRow ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !view_ || !view_->isVisible();
        s.readOnly = true;
        return s;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* rows = table();
        if (row_ == kHeadingRow || !rows)
            return {};
        return {rows->child(childIndex(kHeadingRow, column_))};
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }

private:
    QPointer<HighScoreView> view_;
    int row_;
    int column_;
};

class AccessibleHighScoreTable : public ReadOnlyTableAccessible {
public:
    explicit AccessibleHighScoreTable(HighScoreView* view)
        : ReadOnlyTableAccessible(view, QAccessible::Table) {}

    int childCount() const override { return (kRows + 1) * kColumns; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cell(index / kColumns - 1, index % kColumns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->parent() != this)
            return -1;
        const auto* c = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return c ? childIndex(c->rowIndex(), c->columnIndex()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
            return nullptr;
        return cell(row, column);
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < kColumns ? highScoreHeadings()[column] : QString();
    }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QAccessibleInterface* cell(int row, int column) const {
        return cachedCell(childIndex(row, column), [&] {
            return new AccessibleScoreCell(static_cast<HighScoreView*>(widget()), row, column);
        });
    }
};

} // namespace

QAccessibleInterface* accessibleHighScores(const QString& className, QObject* object) {
    if (className != QLatin1String("HighScoreView"))
        return nullptr;
    auto* view = qobject_cast<HighScoreView*>(object);
    return view ? new AccessibleHighScoreTable(view) : nullptr;
}
