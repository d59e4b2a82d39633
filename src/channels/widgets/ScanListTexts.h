#pragma once
// Fixed texts of the scan list's messages; the blanks are part of them.
#include <QString>

#include "model/ModelTexts.h"

namespace vantrel::scantext {

inline const QString kEmptyChannel = QStringLiteral("Empty Channel  ");
inline const QString kRemovePriority = QStringLiteral("Not Allowed To Remove Priority Channel  ");

// The priority channel number names a channel outside the scan list.
inline QString priorityNotInScanList() { return QString::fromStdString(modeltext::PriorityNotInScanList()); }

}  // namespace vantrel::scantext
