#include "gui/codeplug/TabKeyOrder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <vector>

#include "codeplug/TimeOptions.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/RadioSettings.h"
#include "gui/codeplug/TimingControl.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/codeplug/frmMain.h"

namespace vantrel {

void OrderFirstTab(frmMain& editor) {
    const RadioSettings& settings = *editor.settings();
    std::vector<QWidget*> order{editor.radioInfo()->passwordBox(), editor.radioInfo()->popBox()};
    const auto checks = [&](std::initializer_list<const char*> names) {
        for (const char* name : names) order.push_back(settings.check(name));
    };
    const auto timings = [&](std::initializer_list<int> fields) {
        for (int k : fields) {
            order.push_back(settings.timing(k).text());
            order.push_back(settings.timing(k).upDown());
        }
    };
    checks({"chkScanEnable", "chkPrioScanEnable"});
    timings({kScanSpeed, kScanDelay, kLookBack});
    checks({"chkTotEnable"});
    timings({kTot, kTotPenalty});
    checks({"chkPowerSaveEnable", "chkQuickKey", "chkTalkbakScan"});
    for (int b = 0; b < 2; ++b) {
        order.push_back(editor.buttons()->shortList(b));
        order.push_back(editor.buttons()->longList(b));
    }
    for (int i = 0; i < 3; ++i) {
        order.push_back(editor.userTpl()->box(false, i));
        order.push_back(editor.userTpl()->box(true, i));
    }
    // Then the scan list beside the tabs and the factory boxes: Tab on the tab
    // control goes straight to the password, so anything left between them in
    // the chain could be reached by Shift+Tab only.
    const ScanListPanel& scan = *editor.scanList();
    for (QWidget* w : std::initializer_list<QWidget*>{scan.channelList(), scan.addButton(), scan.removeButton(),
                                                      scan.scanList(), scan.priorityBox(),
                                                      editor.radioInfo()->serialBox(), editor.radioInfo()->superBox()})
        order.push_back(w);
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace vantrel
