#include "link/widgets/PreWriteChecks.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "channels/NumberText.h"
#include "channels/UserTplCodec.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace {

Decimal valueOf(const QString& text) { return LeadingNumber(text.toStdString()); }

}  // namespace

bool CheckUserTplFrequencies(Prompts& prompts, const std::array<QLineEdit*, 3>& rxBoxes,
                             const std::array<QLineEdit*, 3>& txBoxes) {
    for (int k = 0; k < 3; ++k) {
        for (QLineEdit* box : {rxBoxes[k], txBoxes[k]}) {
            if (valueOf(box->text()).compare(kUserTplMinHz) >= 0) continue;
            prompts.tell(QStringLiteral("Invalid Frequency"));
            box->clear();
            return false;
        }
    }
    return true;
}

bool CheckPriorityChannel(Prompts& prompts, const QLineEdit& priorityBox, const QListWidget& channelList,
                          QTabWidget& tabs) {
    const Decimal priority = valueOf(priorityBox.text());
    // The position after the last entry reads as an empty text, value 0, so
    // a priority channel of 0 fails too.
    for (int i = 0; i <= channelList.count(); ++i) {
        const QListWidgetItem* entry = channelList.item(i);
        const Decimal value = valueOf(entry ? entry->text() : QString());
        if (priority.compare(value.scaledUnits(), Decimal::kScale) != 0) continue;
        prompts.tell(QString::fromStdString(modeltext::PriorityNotInScanList()));
        tabs.setCurrentIndex(0);
        return false;
    }
    return true;
}

}  // namespace vantrel
