#pragma once
// The editor window's closing sequence: the save question while the data
// differ from the last save, then the port file and the editor's placement.
#include <functional>

#include "codeplug/AppState.h"
#include "gui/common/Prompts.h"

class QSettings;
class QWidget;

namespace vantrel {

struct ClosingSequence {
    AppState& state;
    Prompts& prompts;
    QSettings& settings;
    std::function<void()> save;           // the Save command; sets saveCancelled
    std::function<void()> focusEditor;
    std::function<void()> writePortFile;

    // False when the closing is cancelled: nothing has been written then.
    // editorWindow is the editor's frame, whose placement is stored unless it
    // is minimized.
    bool run(const QWidget& editorWindow);
};

}  // namespace vantrel
