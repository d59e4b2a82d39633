// The grid's gestures and the in-cell editor `txtChannelInput`: opening an
// edit, its routes to a commit (Enter, Up, Down, focus loss, cell leave, a
// menu command) and the frequency commit itself. Whichever route comes first
// commits; the others find the editor hidden or `editDone_` set.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "channels/FrequencyCodec.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/GridColumns.h"
#include "gui/channels/GridTable.h"
#include "gui/channels/GridTexts.h"

namespace vantrel {

namespace gc = gridcol;

namespace {

constexpr int kEnter = 13;
constexpr int kUp = 38;
constexpr int kDown = 40;
constexpr int kMoveRight = -1;
constexpr int kMaxEditLength = 9;

Side sideOf(int column) { return column == gc::TxFreq ? Side::Tx : Side::Rx; }

}  // namespace

void ChannelGrid::BeginCellEdit(int code) {
    const QModelIndex index = table_->model()->index(currentRow(), currentColumn());
    const QRect cell = table_->visualRect(index);
    txtChannelInput_->setGeometry(QRect(table_->viewport()->mapTo(this, cell.topLeft()), cell.size()));
    txtChannelInput_->raise();
    txtChannelInput_->setMaxLength(kMaxEditLength);

    const QString text = cellText(currentRow(), currentColumn());
    if ((code >= 4 && code <= 16) || code == 27) {
        txtChannelInput_->setText(text);
    } else if (code >= '0' && code <= '9') {
        txtChannelInput_->setText(QString(QChar(code)));
    } else if (code == 3 || code == 22) {
        ctrlHeld_ = true;
        return;
    } else {
        // Keys typed while the message is up went to the message box: they
        // answered it or were dropped, and never reach the cell afterwards.
        ctx_.prompts.tell(gridtext::InvalidNumber());
        txtChannelInput_->setText(text);
        table_->setFocus();
        return;
    }
    txtChannelInput_->setCursorPosition(txtChannelInput_->text().size());
    editDone_ = false;
    txtChannelInput_->show();
    txtChannelInput_->setFocus();
}

void ChannelGrid::absorbCellEditor() {
    if (!txtChannelInput_->isVisible()) return;
    setCellText(currentRow(), currentColumn(), txtChannelInput_->text());
    txtChannelInput_->hide();
}

void ChannelGrid::EndCellEdit(int code) {
    // The grid takes the focus; its focus handler copies the editor's text
    // into the cell and hides the editor.
    table_->setFocus();
    absorbCellEditor();

    const int row = currentRow();
    if (currentColumn() == gc::RxFreq) CommitRxFrequency(row);
    if (currentColumn() == gc::TxFreq) CommitTxFrequency(row);
    if (gc::isFrequency(currentColumn()) && channelDeleted_) skipLeaveCommit_ = true;

    int r = currentRow();
    int c = currentColumn();
    switch (code) {
    case kEnter: c = std::min(c + 1, gc::kColumns - 1); break;
    case kUp: if (r > 1) --r; break;
    case kDown: if (r < rows()) ++r; break;
    case kMoveRight: if (c < gc::kColumns - 1) ++c; break;
    default: break;
    }
    setCurrent(r, c);
    editDone_ = true;
}

void ChannelGrid::EndCellEdit() {
    if (txtChannelInput_->isVisible())
        txtChannelInput_KeyDown(Qt::Key_Return);
    else
        skipLeaveCommit_ = false;
    txtChannelInput_->hide();
}

void ChannelGrid::CommitRxFrequency(int row) { commitFrequency(row, Side::Rx); }
void ChannelGrid::CommitTxFrequency(int row) { commitFrequency(row, Side::Tx); }

void ChannelGrid::commitFrequency(int row, Side side, bool fromLeave) {
    const int column = side == Side::Rx ? gc::RxFreq : gc::TxFreq;
    const std::string typed = cellText(row, column).toStdString();
    FrequencyStatus status = FrequencyStatus::Stored;
    const EditResult r = ctx_.forward(
        [&](EditingModel& m) { return m.CommitFrequency(row, side, typed, &status); }, GestureOnRow(row));
    if (status == FrequencyStatus::NotANumber || status == FrequencyStatus::OutOfRange) txtChannelInput_->hide();
    if (status == FrequencyStatus::Stored) {
        channelDeleted_ = false;
        touch();
        if (!fromLeave) {
            setCurrent(row, column);
            table_->setFocus();
        }
    } else if (status == FrequencyStatus::Empty && r.ok) {
        // The model took the channel out of the scan list; its buttons follow.
        channelDeleted_ = true;
        touch();
        emit channelFrequencyDeleted(row);
    }
}

// ---- In-cell editor ----

void ChannelGrid::txtChannelInput_KeyDown(int key) {
    const int code = key == Qt::Key_Up ? kUp : key == Qt::Key_Down ? kDown : kEnter;
    editDone_ = true;
    EndCellEdit(code);
}

bool ChannelGrid::txtChannelInput_KeyPress(int code) {
    static constexpr int kAccepted[] = {3, 8, 9, 13, 22, 24, 27, '.'};
    if (code >= '0' && code <= '9') return true;
    for (int a : kAccepted)
        if (code == a) return true;
    ctx_.prompts.tell(gridtext::InvalidNumber());
    return false;
}

void ChannelGrid::discardCellEdit() {
    editDone_ = true;  // the editor's focus loss must not commit
    txtChannelInput_->hide();
    table_->setFocus();
}

void ChannelGrid::txtChannelInput_FocusLost() {
    if (!editDone_) EndCellEdit(kMoveRight);
}

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtChannelInput_) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        const int key = e->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Up || key == Qt::Key_Down) {
            txtChannelInput_KeyDown(key);
            return true;  // Enter is swallowed; Up and Down have done their move
        }
        if (key == Qt::Key_Escape) {
            discardCellEdit();
            return true;
        }
        int code = 0;
        if ((e->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
            code = key - Qt::Key_A + 1;
        else if (!e->text().isEmpty() && e->text().at(0).unicode() != 127)
            code = e->text().at(0).unicode();
        if (code != 0 && !txtChannelInput_KeyPress(code)) return true;
    } else if (event->type() == QEvent::FocusOut) {
        // Opening a menu or leaving the window does not end the edit; the
        // menu command commits it itself.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            txtChannelInput_FocusLost();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Grid gestures ----

void ChannelGrid::fgChannel_MouseDown(Qt::MouseButton button, int row, int column, bool onCell) {
    headerClick_ = onCell && (row == 0 || column == 0);
    if (button != Qt::LeftButton) {
        dblClickArmed_ = false;
        return;
    }
    touch();
    dblClickArmed_ = false;
    if (!onCell || headerClick_) return;
    if (currentColumn() == gc::RxPl)
        OpenRxToneDialog(currentRow());
    else if (currentColumn() == gc::TxPl)
        OpenTxToneDialog(currentRow());
    else
        dblClickArmed_ = true;
}

void ChannelGrid::fgChannel_DblClick() {
    if (!headerClick_ && dblClickArmed_) {
        const int column = currentColumn();
        if (gc::isFrequency(column)) {
            if (!ctrlHeld_) BeginCellEdit(16);
        } else if (gc::isSwitch(column)) {
            StepSwitch(currentRow(), column);
        }
    }
    editDone_ = false;
}

void ChannelGrid::fgChannel_KeyDown(int key) {
    const int row = currentRow();
    const int column = currentColumn();
    if (key == Qt::Key_Delete) {
        // The model refuses the priority channel (with its message) or deletes
        // the frequency; the emptied cell then ends as Enter would end an edit.
        if (ctx_.forward([row, column](EditingModel& m) { return m.DeleteKey(row, column); }, GestureOnRow(row)).ok &&
            gc::isFrequency(column))
            EndCellEdit(kEnter);
    } else if (key == Qt::Key_Control && gc::isFrequency(column)) {
        BeginCellEdit(3);
    }
    editDone_ = false;
}

void ChannelGrid::fgChannel_KeyPress(int code) {
    const int column = currentColumn();
    if (gc::isFrequency(column)) {
        if (code != 27) BeginCellEdit(code);
    } else if (code == kEnter) {
        if (column == gc::RxPl)
            OpenRxToneDialog(currentRow());
        else if (column == gc::TxPl)
            OpenTxToneDialog(currentRow());
        else if (gc::isSwitch(column))
            StepSwitch(currentRow(), column);
    }
    editDone_ = false;
}

void ChannelGrid::fgChannel_KeyUp(int key) {
    if (key == Qt::Key_V || key == Qt::Key_Control) ctrlHeld_ = false;
}

void ChannelGrid::fgChannel_LeaveCell(int row, int column) {
    if (!skipLeaveCommit_) {
        if (txtChannelInput_->isVisible()) {
            editDone_ = true;  // hiding the editor must not commit a second time
            setCellText(row, column, txtChannelInput_->text());
            txtChannelInput_->hide();
            if (gc::isFrequency(column)) commitFrequency(row, sideOf(column), true);
        }
        editDone_ = true;
    }
    skipLeaveCommit_ = false;
    ctrlHeld_ = false;
}

void ChannelGrid::fgChannel_GotFocus() { absorbCellEditor(); }

}  // namespace vantrel
