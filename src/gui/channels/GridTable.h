#pragma once
// The table control behind `fgChannel`: it hands every gesture to the
// ChannelGrid's handlers and keeps the current cell off the fixed row and
// column. It never edits in place.
#include <QTableWidget>

namespace vantrel {

class ChannelGrid;

class ChannelTable : public QTableWidget {
    Q_OBJECT
public:
    ChannelTable(ChannelGrid& grid, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    ChannelGrid& grid_;
};

}  // namespace vantrel
