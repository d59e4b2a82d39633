#include "gui/shell/ClosingSequence.h"

#include <QSettings>
#include <QWidget>

#include "gui/common/Twips.h"
#include "gui/shell/FileCommands.h"

namespace vantrel {

bool ClosingSequence::run(const QWidget& editorWindow) {
    if (state.dataChanged) {
        switch (AskSaveCurrentData(prompts)) {
        case Prompts::Answer::Yes:
            save();
            if (!state.saveCancelled) break;
            focusEditor();
            return false;
        case Prompts::Answer::No:
            break;
        default:
            focusEditor();
            return false;
        }
    }
    writePortFile();
    if (!editorWindow.isMinimized()) {
        const QRect g = editorWindow.geometry();
        settings.beginGroup(QStringLiteral("Settings"));
        settings.setValue(QStringLiteral("MainLeft"), QString::number(toTwips(g.left())));
        settings.setValue(QStringLiteral("MainTop"), QString::number(toTwips(g.top())));
        settings.setValue(QStringLiteral("MainWidth"), QString::number(toTwips(g.width())));
        settings.setValue(QStringLiteral("MainHeight"), QString::number(toTwips(g.height())));
        settings.endGroup();
        settings.sync();
    }
    return true;
}

}  // namespace vantrel
