#include "link/widgets/PreWriteChecks.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "channels/NumberText.h"
#include "channels/UserTplCodec.h"
#include "model/EditingModel.h"
#include "model/ModelTexts.h"

namespace vantrel {

bool CheckUserTplFrequencies(Prompts& prompts, const std::array<QLineEdit*, 3>& rxBoxes,
                             const std::array<QLineEdit*, 3>& txBoxes) {
    UserTplBoxes texts;
    for (std::size_t k = 0; k < 3; ++k) {
        texts.rx[k] = rxBoxes[k]->text().toStdString();
        texts.tx[k] = txBoxes[k]->text().toStdString();
    }
    const auto failing = FirstUserTplBelowMinimum(texts);
    if (!failing) return true;
    prompts.tell(QString::fromUtf8(kInvalidFrequency.text.data(), static_cast<int>(kInvalidFrequency.text.size())));
    (failing->side == Side::Rx ? rxBoxes : txBoxes)[static_cast<std::size_t>(failing->index)]->clear();
    return false;
}

bool CheckPriorityChannel(Prompts& prompts, const QLineEdit& priorityBox, const QListWidget& channelList,
                          QTabWidget& tabs) {
    std::vector<int> channels;
    for (int i = 0; i < channelList.count(); ++i)
        channels.push_back(static_cast<int>(LeadingNumber(channelList.item(i)->text().toStdString()).rounded(0).value_or(0)));
    if (!PriorityOutsideScanList(priorityBox.text().toStdString(), channels)) return true;
    prompts.tell(QString::fromStdString(modeltext::PriorityNotInScanList()));
    tabs.setCurrentIndex(0);
    return false;
}

}  // namespace vantrel
