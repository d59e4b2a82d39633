#pragma once
// The scan list: `LstChannel` (channels outside it), `LstScan` (channels in
// it), "Add >>" / "<< Remove", and the priority channel box
// `txtPrioScanChNo` with its up-down `udPrioScanChNo`.
#include <QWidget>

#include "codeplug/widgets/EditorContext.h"

class QListWidget;
class QPushButton;
class QLineEdit;
class QSpinBox;

namespace vantrel {

class ChannelGrid;

class ScanListPanel : public QWidget {
    Q_OBJECT
public:
    ScanListPanel(EditorContext& ctx, ChannelGrid& grid, QWidget* parent = nullptr);

    void ResetScanLists();
    void ShowScanList();
    void ShowPriorityChannel();      // byte 14 into the up-down and its box
    void setPriorityMaximum(int channelCount);
    void updateButtons();            // Add / Remove enables after a load
    void setLocked(bool locked);     // LockEditor / UnlockEditor's part
    // Removes channel n from the scan list (its frequency was deleted).
    void removeChannel(int channel);
    // The change handler of txtPrioScanChNo; the Priority Scan check box runs
    // it too.
    void priorityChanged();

    QListWidget* channelList() const { return lstChannel_; }
    QListWidget* scanList() const { return lstScan_; }
    QLineEdit* priorityBox() const { return txtPrio_; }
    QSpinBox* priorityUpDown() const { return udPrio_; }

signals:
    void edited();

private:
    EditorContext& ctx_;
    ChannelGrid& grid_;
    QListWidget* lstChannel_ = nullptr;
    QListWidget* lstScan_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdRemove_ = nullptr;
    QLineEdit* txtPrio_ = nullptr;
    QSpinBox* udPrio_ = nullptr;
};

}  // namespace vantrel
