#pragma once

#include <QAccessibleWidget>
#include <QHash>

// A widget that screen readers read as a table of cells which can only be read: nothing in it
// can be selected. The cells have no objects of their own, so the table keeps each one
// registered from its first request until forgetCells() or its own end.
class ReadOnlyTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;
    ~ReadOnlyTableAccessible() override { forgetCells(); }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

protected:
    // The cell under `key`, made by `make` when it is first asked for.
    template <typename Make> QAccessibleInterface* cachedCell(int key, Make make) const {
        if (auto known = cells_.constFind(key); known != cells_.constEnd())
            return QAccessible::accessibleInterface(*known);
        QAccessibleInterface* made = make();
        cells_.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }
    void forgetCells() {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

private:
    mutable QHash<int, QAccessible::Id> cells_;
};
