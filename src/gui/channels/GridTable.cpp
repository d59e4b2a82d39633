#include "gui/channels/GridTable.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/channels/ChannelGrid.h"

namespace vantrel {

namespace {

// The character code a key press types, 0 for none. Control letters give
// their control codes (Ctrl+C 3, Ctrl+V 22) whatever text the platform sends.
int typedCode(const QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete) return 0;
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return e->key() - Qt::Key_A + 1;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return 13;
    if (e->key() == Qt::Key_Escape) return 27;
    if (e->text().isEmpty()) return 0;
    const int code = e->text().at(0).unicode();
    return code == 127 ? 0 : code;
}

bool isNavigation(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

}  // namespace

ChannelTable::ChannelTable(ChannelGrid& grid, QWidget* parent) : QTableWidget(parent), grid_(grid) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Shift and Ctrl select several rows for copying; editing stays on the
    // current cell.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int, int, int prevRow, int prevCol) {
        if (prevRow >= 1 && prevCol >= 1) grid_.fgChannel_LeaveCell(prevRow, prevCol);
    });
}

void ChannelTable::keyPressEvent(QKeyEvent* e) {
    grid_.fgChannel_KeyDown(e->key());
    if (const int code = typedCode(e)) grid_.fgChannel_KeyPress(code);
    if (isNavigation(e->key()) && !(e->modifiers() & Qt::ControlModifier))
        QTableWidget::keyPressEvent(e);
    else
        e->accept();
}

void ChannelTable::keyReleaseEvent(QKeyEvent* e) {
    grid_.fgChannel_KeyUp(e->key());
    e->accept();
}

void ChannelTable::selectChannelRows(int from, int to, bool add) {
    const QItemSelection rows(model()->index(std::min(from, to), 1),
                              model()->index(std::max(from, to), columnCount() - 1));
    selectionModel()->select(rows, add ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
}

int ChannelTable::channelRowAt(int y) const {
    const int row = rowAt(y);
    if (row < 0) return y < 0 ? 1 : rowCount() - 1;
    return std::max(row, 1);
}

void ChannelTable::mousePressEvent(QMouseEvent* e) {
    const QModelIndex index = indexAt(e->position().toPoint());
    // A row number selects its channel's row (Shift: the rows from the last
    // one clicked, Ctrl: one more); dragging over the numbers selects more.
    if (e->button() == Qt::LeftButton && index.isValid() && index.column() == 0 && index.row() >= 1) {
        const bool extend = (e->modifiers() & Qt::ShiftModifier) && rowAnchor_ >= 1;
        if (!extend) rowAnchor_ = index.row();
        dragAdds_ = e->modifiers() & Qt::ControlModifier;
        selectionModel()->setCurrentIndex(model()->index(index.row(), std::max(currentColumn(), 1)),
                                          QItemSelectionModel::NoUpdate);
        selectChannelRows(rowAnchor_, index.row(), dragAdds_);
        rowDrag_ = true;
    } else if (e->button() == Qt::LeftButton) {
        // Only the left button moves the current cell.
        QTableWidget::mousePressEvent(e);
    }
    grid_.fgChannel_MouseDown(e->button(), index.row(), index.column(), index.isValid());
    e->accept();
}

void ChannelTable::mouseDoubleClickEvent(QMouseEvent* e) {
    grid_.fgChannel_DblClick();
    e->accept();
}

void ChannelTable::mouseMoveEvent(QMouseEvent* e) {
    if (rowDrag_ && (e->buttons() & Qt::LeftButton))
        selectChannelRows(rowAnchor_, channelRowAt(e->position().toPoint().y()), dragAdds_);
    // Cells take no drag selection: the current cell only moves by click or key.
    const QModelIndex index = indexAt(e->position().toPoint());
    if (index.isValid()) grid_.fgChannel_MouseMove(index.row(), index.column());
    e->accept();
}

void ChannelTable::mouseReleaseEvent(QMouseEvent* e) {
    rowDrag_ = false;
    e->accept();
}

void ChannelTable::focusInEvent(QFocusEvent* e) {
    QTableWidget::focusInEvent(e);
    grid_.fgChannel_GotFocus();
}

QModelIndex ChannelTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid()) return next;
    return model()->index(std::max(next.row(), 1), std::max(next.column(), 1));
}

}  // namespace vantrel
