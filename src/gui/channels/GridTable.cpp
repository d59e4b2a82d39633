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

void ChannelTable::mousePressEvent(QMouseEvent* e) {
    const QModelIndex index = indexAt(e->position().toPoint());
    // Only the left button moves the current cell.
    if (e->button() == Qt::LeftButton) QTableWidget::mousePressEvent(e);
    grid_.fgChannel_MouseDown(e->button(), index.row(), index.column(), index.isValid());
    e->accept();
}

void ChannelTable::mouseDoubleClickEvent(QMouseEvent* e) {
    grid_.fgChannel_DblClick();
    e->accept();
}

void ChannelTable::mouseMoveEvent(QMouseEvent* e) {
    // No drag selection: the current cell only moves by click or key.
    const QModelIndex index = indexAt(e->position().toPoint());
    if (index.isValid()) grid_.fgChannel_MouseMove(index.row(), index.column());
    e->accept();
}

void ChannelTable::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }

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
