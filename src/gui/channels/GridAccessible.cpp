#include "gui/channels/GridAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include "gui/channels/GridColumns.h"
#include "gui/channels/GridTable.h"

namespace vantrel {

namespace {

// Item views announce the focused cell by its child index counting their own
// header row and column, present even while hidden as here; the children
// keep that numbering, so index 0 and the first of each row are those
// headers' places and have no interface.
int childIndex(const QTableWidget& grid, int row, int column) {
    return (row + 1) * (grid.columnCount() + 1) + column + 1;
}

class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(QTableWidget* grid, int row, int column) : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override {
        return grid_ && row_ < grid_->rowCount() && column_ < grid_->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        switch (t) {
        case QAccessible::Name:
            if (!isData()) return itemText(row_, column_);
            return QCoreApplication::translate("ChannelGrid", "Channel %1, %2")
                .arg(itemText(row_, 0), itemText(0, column_));
        case QAccessible::Value:
            return isData() ? itemText(row_, column_) : QString();
        case QAccessible::Description:
            return isData() ? QString::fromLatin1(gridcol::kColumnInfo[static_cast<std::size_t>(column_)].status)
                            : QString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        QRect r = grid_->visualRect(grid_->model()->index(row_, column_));
        return r.translated(grid_->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        if (row_ == 0) return QAccessible::ColumnHeader;
        if (column_ == 0) return QAccessible::RowHeader;
        return QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.disabled = !grid_->isEnabled();
        if (!isData()) return s;
        s.focusable = true;
        s.selectable = true;
        s.selected = isSelected();
        s.focused = grid_->hasFocus() && grid_->currentRow() == row_ && grid_->currentColumn() == column_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface && isData() ? static_cast<QAccessibleTableCellInterface*>(this)
                                                                : nullptr;
    }

    bool isSelected() const override {
        return isValid() && grid_->selectionModel()->isSelected(grid_->model()->index(row_, column_));
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {sibling(0, column_)}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {sibling(row_, 0)}; }
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // The cell's place in the grid, headers counted.
    int row() const { return row_; }
    int column() const { return column_; }

private:
    bool isData() const { return row_ > 0 && column_ > 0; }
    QString itemText(int row, int column) const {
        const QTableWidgetItem* item = grid_->item(row, column);
        return item ? item->text() : QString();
    }
    QAccessibleInterface* sibling(int row, int column) const {
        QAccessibleInterface* grid = parent();
        return grid ? grid->child(childIndex(*grid_, row, column)) : nullptr;
    }

    QPointer<QTableWidget> grid_;
    int row_;
    int column_;
};

// The table's rows and columns are the channels and their settings; the
// grid's first row and column are their headers.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(QTableWidget* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override { dropCells(); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return (grid()->rowCount() + 1) * (grid()->columnCount() + 1); }
    QAccessibleInterface* child(int index) const override {
        const int width = grid()->columnCount() + 1;
        const int row = index / width - 1;
        const int column = index % width - 1;
        if (index < 0 || row < 0 || column < 0 || row >= grid()->rowCount()) return nullptr;
        return cell(row, column);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* c = dynamic_cast<const GridCell*>(child);
        return c && c->isValid() ? childIndex(*grid(), c->row(), c->column()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = grid()->indexAt(grid()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? cell(index.row(), index.column()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!grid()->hasFocus() || grid()->currentRow() < 0 || grid()->currentColumn() < 0) return nullptr;
        return cell(grid()->currentRow(), grid()->currentColumn());
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
        return cell(row + 1, column + 1);
    }
    int selectedCellCount() const override { return static_cast<int>(selectedIndexes().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> out;
        for (const QModelIndex& i : selectedIndexes()) out << cell(i.row(), i.column());
        return out;
    }
    QString columnDescription(int column) const override { return headerText(0, column + 1); }
    QString rowDescription(int row) const override { return headerText(row + 1, 0); }
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return std::max(grid()->columnCount() - 1, 0); }
    int rowCount() const override { return std::max(grid()->rowCount() - 1, 0); }
    QList<int> selectedColumns() const override {
        QList<int> out;
        for (int c = 0; c < columnCount(); ++c)
            if (isColumnSelected(c)) out << c;
        return out;
    }
    QList<int> selectedRows() const override {
        QList<int> out;
        for (int r = 0; r < rowCount(); ++r)
            if (isRowSelected(r)) out << r;
        return out;
    }
    bool isColumnSelected(int column) const override {
        if (rowCount() == 0) return false;
        for (int r = 1; r <= rowCount(); ++r)
            if (!grid()->selectionModel()->isSelected(grid()->model()->index(r, column + 1))) return false;
        return true;
    }
    bool isRowSelected(int row) const override {
        if (columnCount() == 0) return false;
        for (int c = 1; c <= columnCount(); ++c)
            if (!grid()->selectionModel()->isSelected(grid()->model()->index(row + 1, c))) return false;
        return true;
    }
    // Selection stays the grid's own gestures (rows by their numbers).
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { dropCells(); }

private:
    static constexpr int kKeyWidth = 1 << 16;

    QTableWidget* grid() const { return static_cast<QTableWidget*>(widget()); }
    QString headerText(int row, int column) const {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item ? item->text() : QString();
    }
    QModelIndexList selectedIndexes() const {
        QModelIndexList out;
        for (const QModelIndex& i : grid()->selectionModel()->selectedIndexes())
            if (i.row() > 0 && i.column() > 0) out << i;
        return out;
    }
    QAccessibleInterface* cell(int row, int column) const {
        const int key = row * kKeyWidth + column;
        if (const auto it = cells_.constFind(key); it != cells_.cend())
            if (QAccessibleInterface* known = QAccessible::accessibleInterface(it.value())) return known;
        auto* made = new GridCell(grid(), row, column);
        cells_.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }
    void dropCells() {
        for (const QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable QHash<int, QAccessible::Id> cells_;
};

}  // namespace

QAccessibleInterface* ChannelGridAccessible(const QString&, QObject* object) {
    auto* grid = qobject_cast<ChannelTable*>(object);
    return grid ? new GridAccessible(grid) : nullptr;
}

}  // namespace vantrel
