#pragma once
// The channel grid `fgChannel` of the "Conventional Personality" tab and its
// in-cell editor `txtChannelInput`. Row n is channel n; row 0 and column 0
// are the fixed headers. Cells are texts with a normal or grey text colour;
// the grid draws its own gestures (no Qt in-place editors).
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "channels/ChannelRecord.h"
#include "gui/codeplug/EditorContext.h"

class QLineEdit;
class QTableWidget;

namespace vantrel {

class ChannelTable;
class frmChannelToneOption;

class ChannelGrid : public QWidget {
    Q_OBJECT
public:
    explicit ChannelGrid(EditorContext& ctx, QWidget* parent = nullptr);
    ~ChannelGrid() override;

    // What of the editor form the grid consults but does not own.
    struct Hooks {
        // The window the tone dialog is placed against (the editor form); by
        // default the grid's own window.
        std::function<QWidget*()> editorForm;
    };
    Hooks hooks;

    QTableWidget* table() const;
    QLineEdit* cellEditor() const { return txtChannelInput_; }
    // Channel count the grid was sized for by a load; 0 until then.
    int channelCount() const { return channelCount_; }

    void LayoutGrid();          // column headers, widths, tooltips (editor load)
    // Rows for this many channels, the image untouched.
    void showRows(int channelCount);
    // The rows shown and the channel count the grid was sized for (0: not
    // yet, all rows kept), as a kept state has them.
    void showSize(int rows, int channelCount);
    // The pending-edit commit of every menu command: an open edit is
    // committed as Enter in the in-cell editor would; the editor is hidden.
    void EndCellEdit();
    void setLocked(bool locked);  // LockEditor / UnlockEditor's part
    // Selecting the other tab: the in-cell editor is hidden.
    void hideCellEditor();
    // Tab key on the tab control while the grid's tab shows.
    void focusFirstCell();
    QString cellText(int row, int column) const;
    bool isCellGrey(int row, int column) const;

    // Edit routines, also used by the tone dialog and the menus.
    void BeginCellEdit(int code);
    void EndCellEdit(int code);  // Enter 13, Up 38, Down 40, or -1
    void CommitRxFrequency(int row);
    void CommitTxFrequency(int row);
    // One step of a switch cell (double-click or Enter).
    void StepSwitch(int row, int column);
    void OpenRxToneDialog(int row);
    void OpenTxToneDialog(int row);
    // The tone option window while it is open (the read/write dialog refuses
    // to start then; closing the editor unloads it).
    frmChannelToneOption* toneDialog() const;
    void closeToneDialog();

    // Cell access for the tone dialog.
    void setCellText(int row, int column, const QString& text);
    void setCellGrey(int row, int column, bool grey);
    int revBurstStep(int channel) const { return revBurstStep_[channel - 1]; }
    void setRevBurstStep(int channel, int step) { revBurstStep_[channel - 1] = step; }
signals:
    // The user deleted a channel's frequency: the scan list drops it.
    void channelFrequencyDeleted(int channel);
    void edited();  // the user changed channel data

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ChannelTable;

    // Gestures, in the order the grid receives them.
    void fgChannel_MouseDown(Qt::MouseButton button, int row, int column, bool onCell);
    void fgChannel_DblClick();
    void fgChannel_KeyDown(int key);
    void fgChannel_KeyPress(int code);
    void fgChannel_KeyUp(int key);
    void fgChannel_LeaveCell(int row, int column);
    void fgChannel_GotFocus();
    void fgChannel_MouseMove(int row, int column);
    void txtChannelInput_KeyDown(int key);
    void txtChannelInput_FocusLost();
    bool txtChannelInput_KeyPress(int code);  // false: the character is refused
    // Esc in the in-cell editor: the edit is thrown away, nothing is
    // committed and the cell keeps the stored value.
    void discardCellEdit();

    int currentRow() const;
    int currentColumn() const;
    void setCurrent(int row, int column);
    int rows() const;  // channel rows shown
    void absorbCellEditor();  // copies the editor's text into the cell, hides it
    // The commit of CommitRxFrequency / CommitTxFrequency; a commit made by a
    // cell leave leaves the current cell where the user moved it.
    void commitFrequency(int row, Side side, bool fromLeave = false);
    void applyRowCount(int n);
    void touch();

    EditorContext& ctx_;
    ChannelTable* table_ = nullptr;
    QLineEdit* txtChannelInput_ = nullptr;
    QPointer<frmChannelToneOption> toneDialog_;
    int channelCount_ = 0;

    // Edit state of the grid's gestures.
    bool editDone_ = false;
    bool ctrlHeld_ = false;
    bool dblClickArmed_ = false;
    bool headerClick_ = false;
    bool channelDeleted_ = false;
    bool skipLeaveCommit_ = false;
    std::array<int, bytemap::MaxChannels> revBurstStep_{};
};

}  // namespace vantrel
