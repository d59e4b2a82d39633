#pragma once
// What every part of the editor form shares: the program state, the prompts
// and the first panel of the status bar, where controls show their help.
#include <QString>
#include <functional>

#include "codeplug/AppState.h"
#include "shell/widgets/Prompts.h"

namespace vantrel {

struct EditorContext {
    AppState& state;
    Prompts& prompts;
    // Shows a hint in the first panel of the main window's status bar.
    std::function<void(const QString&)> setStatusText = [](const QString&) {};
};

}  // namespace vantrel
