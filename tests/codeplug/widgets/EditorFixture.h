#pragma once
// A main window with its editor, built without the splash, on a fresh state,
// scripted prompts and settings in a temporary folder.
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "codeplug/AppState.h"
#include "codeplug/widgets/frmMain.h"
#include "shell/widgets/MDIFormMain.h"
#include "support/ScriptedPrompts.h"

namespace vantrel::test {

struct EditorFixture {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    AppState state;
    ScriptedPrompts prompts;
    std::unique_ptr<MDIFormMain> main = std::make_unique<MDIFormMain>(state, prompts, settings);

    frmMain& editor() { return *main->editor(); }
    CodeplugImage& image() { return state.image; }
    template <typename T>
    T* find(const char* name) { return main->findChild<T*>(QString::fromLatin1(name)); }
    // Start-up as after the splash's OK.
    void startUp(const QString& commandLine = {}) { main->startUp(commandLine); }
};

}  // namespace vantrel::test
