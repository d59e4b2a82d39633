#pragma once
// The Comm Port menu: "Com1" .. "Com8", exactly one of them checked. Choosing
// one commits a pending grid edit, checks it and reopens the serial port; the
// choice reaches the port file when the editor closes.
#include <QObject>
#include <array>
#include <functional>

#include "link/PortFile.h"

class QAction;

namespace vantrel {

class CommPortMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int kPorts = link::kPortCount;

    CommPortMenu(const std::array<QAction*, kPorts>& items, std::function<void()> commitPendingEdit,
                 std::function<void()> openCommPort, QObject* parent = nullptr);

    // Checks item `port` (1..8) and unchecks the others.
    void select(int port);
    // The first checked item among Com1..Com7, else 8.
    int selectedPort() const;

private:
    std::array<QAction*, kPorts> items_;
};

}  // namespace vantrel
