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
    // Selects whole channel rows, from and to included, without the row numbers.
    void selectChannelRows(int from, int to, bool add);
    // The channel row at height y of the viewport, the nearest one outside.
    int channelRowAt(int y) const;

    ChannelGrid& grid_;
    int rowAnchor_ = 0;      // the row number clicked last
    bool rowDrag_ = false;   // the button is held on a row number
    bool dragAdds_ = false;  // Ctrl was held: the rows add to the selection
};

}  // namespace vantrel
