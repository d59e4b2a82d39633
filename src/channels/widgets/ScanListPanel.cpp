#include "channels/widgets/ScanListPanel.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace vantrel {

ScanListPanel::ScanListPanel(EditorContext& ctx, ChannelGrid& grid, QWidget* parent)
    : QWidget(parent), ctx_(ctx), grid_(grid) {
    lstChannel_ = new QListWidget(this);
    lstChannel_->setObjectName("LstChannel");
    lstScan_ = new QListWidget(this);
    lstScan_->setObjectName("LstScan");
    cmdAdd_ = new QPushButton("Add >>", this);
    cmdAdd_->setObjectName("CmdAdd");
    cmdRemove_ = new QPushButton("<< Remove", this);
    cmdRemove_->setObjectName("CmdRemove");
    txtPrio_ = new QLineEdit(this);
    txtPrio_->setObjectName("txtPrioScanChNo");
    udPrio_ = new QSpinBox(this);
    udPrio_->setObjectName("udPrioScanChNo");
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstChannel_, 0, 0, 2, 1);
    layout->addWidget(cmdAdd_, 0, 1);
    layout->addWidget(cmdRemove_, 1, 1);
    layout->addWidget(lstScan_, 0, 2, 2, 1);
    layout->addWidget(txtPrio_, 2, 0);
    layout->addWidget(udPrio_, 2, 1);
}

void ScanListPanel::ResetScanLists() {}
void ScanListPanel::ShowScanList() {}
void ScanListPanel::ShowPriorityChannel() {}
void ScanListPanel::setPriorityMaximum(int channelCount) { udPrio_->setMaximum(channelCount); }
void ScanListPanel::updateButtons() {}
void ScanListPanel::setLocked(bool locked) {
    for (QWidget* w : std::initializer_list<QWidget*>{lstChannel_, lstScan_, cmdAdd_, cmdRemove_,
                                                       txtPrio_, udPrio_})
        w->setEnabled(!locked);
}
void ScanListPanel::removeChannel(int) {}
void ScanListPanel::priorityChanged() {}

}  // namespace vantrel
