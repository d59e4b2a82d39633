#pragma once
// Fixed texts of the channel grid's own messages.
#include <QCoreApplication>
#include <QString>

namespace vantrel::gridtext {

// A key that cannot start or continue a frequency.
inline QString InvalidNumber() { return QCoreApplication::translate("GridText", "Invalid number"); }
// Reverse burst needs the user-defined TPL receive frequency.
inline const QString kInputTplFrequency = QStringLiteral("Input TPL Frequency");

}  // namespace vantrel::gridtext
