#pragma once
// The scan list: `LstChannel` (channels outside it), `LstScan` (channels in
// it), "Add >>" / "<< Remove", and the priority channel box
// `txtPrioScanChNo` with its up-down `udPrioScanChNo`.
#include <QWidget>
#include <functional>
#include <vector>

#include "gui/codeplug/EditorContext.h"

class QListWidget;
class QPushButton;
class QLineEdit;
class QSpinBox;
class QLabel;
class QHBoxLayout;

namespace vantrel {

class ChannelGrid;

class ScanListPanel : public QWidget {
    Q_OBJECT
public:
    ScanListPanel(EditorContext& ctx, ChannelGrid& grid, QWidget* parent = nullptr);

    // Controls of the editor form that the scan list consults but does not own.
    struct Hooks {
        // The first empty user-defined TPL box in the order receive TPL1..3,
        // transmit TPL1..3, or nullptr while all six have text.
        std::function<QWidget*()> firstEmptyTplBox = [] { return static_cast<QWidget*>(nullptr); };
    };
    Hooks hooks;

    // Both lists as given, in their order (an undo shows them).
    void showLists(const std::vector<int>& channels, const std::vector<int>& scanned);
    void updateButtons();            // Add / Remove enables after a load
    void setLocked(bool locked);     // LockEditor / UnlockEditor's part
    // The change handler of txtPrioScanChNo; the Priority Scan check box runs
    // it too.
    void priorityChanged();

    void CmdAdd_Click();
    void CmdRemove_Click();

    QListWidget* channelList() const { return lstChannel_; }
    QListWidget* scanList() const { return lstScan_; }
    QLineEdit* priorityBox() const { return txtPrio_; }
    QSpinBox* priorityUpDown() const { return udPrio_; }
    // Puts the priority channel's caption in front of its box.
    void placePriorityLabel(QLabel* label);
    QPushButton* addButton() const { return cmdAdd_; }
    QPushButton* removeButton() const { return cmdRemove_; }

signals:
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finishButtons();
    void txtPrioScanChNo_KeyDown(int key);
    void statusFor(QObject* watched);
    // Ends the up-down's auto-repeat as its button's release would.
    void stopArrowRepeat();

    EditorContext& ctx_;
    ChannelGrid& grid_;
    QListWidget* lstChannel_ = nullptr;
    QListWidget* lstScan_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdRemove_ = nullptr;
    QLineEdit* txtPrio_ = nullptr;
    QSpinBox* udPrio_ = nullptr;
    QHBoxLayout* prioRow_ = nullptr;
    int priorityMessages_ = 0;     // messages the priority box has shown
    bool arrowStepping_ = false;   // the up-down's step is running
};

}  // namespace vantrel
