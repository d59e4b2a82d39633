#include "gui/shell/CommPortMenu.h"

#include <QAction>

#include "link/PortFile.h"

namespace vantrel {

CommPortMenu::CommPortMenu(const std::array<QAction*, kPorts>& items, std::function<void()> commitPendingEdit,
                           std::function<void()> openCommPort, QObject* parent)
    : QObject(parent), items_(items) {
    for (int i = 0; i < kPorts; ++i) {
        QAction* item = items_[static_cast<std::size_t>(i)];
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i, commitPendingEdit, openCommPort] {
            commitPendingEdit();
            select(i + 1);
            openCommPort();
        });
    }
}

void CommPortMenu::select(int port) {
    for (int i = 0; i < kPorts; ++i) items_[static_cast<std::size_t>(i)]->setChecked(i + 1 == port);
}

int CommPortMenu::selectedPort() const {
    std::array<bool, kPorts> checked{};
    for (std::size_t i = 0; i < items_.size(); ++i) checked[i] = items_[i]->isChecked();
    return link::SelectedPort(checked);
}

}  // namespace vantrel
