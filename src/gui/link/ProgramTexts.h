#pragma once
// Fixed texts of the read/write commands.
#include <QString>

namespace vantrel::program {

inline const QString kCloseWindowFirst =
    QStringLiteral("Please close your window before programming the radio.");

}  // namespace vantrel::program
