#pragma once
// Fixed texts of the read/write commands.
#include <QtGlobal>

namespace vantrel::program {

// Translated where it is shown, in the context of the Read/Write commands.
inline const char* const kCloseWindowFirst =
    QT_TRANSLATE_NOOP("vantrel::ProgramCommands", "Please close your window before programming the radio.");

}  // namespace vantrel::program
