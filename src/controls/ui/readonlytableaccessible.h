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

// A cell of such a table: a leaf with no object of its own that takes no text and cannot be
// selected. What it says, where it lies and which row and column it is in, each table says.
class ReadOnlyTableCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* owner = table();
        return owner ? owner->window() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
};
