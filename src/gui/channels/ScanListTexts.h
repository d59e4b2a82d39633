#pragma once
// Fixed texts of the scan list's messages; the blanks are part of them.
#include <QString>

#include "channels/ChannelMessages.h"
#include "model/ModelTexts.h"

namespace vantrel::scantext {

inline const QString kEmptyChannel = QString::fromUtf8(vantrel::kEmptyChannel.text.data(),
                                                      static_cast<int>(vantrel::kEmptyChannel.text.size()));
inline const QString kRemovePriority =
    QString::fromUtf8(vantrel::kRemovePriorityChannel.text.data(),
                      static_cast<int>(vantrel::kRemovePriorityChannel.text.size()));

// The priority channel number names a channel outside the scan list.
inline QString priorityNotInScanList() { return QString::fromStdString(modeltext::PriorityNotInScanList()); }

}  // namespace vantrel::scantext
