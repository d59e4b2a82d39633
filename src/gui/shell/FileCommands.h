#pragma once
// File > Open and File > Save: the data-file commands of the main window with
// their dialogs, checks and messages, and the load and save routines that
// the start-up and the closing sequence use too.
#include <QString>
#include <functional>

#include "codeplug/AppState.h"
#include "codeplug/CodeplugImage.h"
#include "gui/common/Prompts.h"

namespace vantrel {

class frmMain;

// "Save Current Data to File ?" (Yes, No, Cancel; Cancel the default), asked
// by Open and by closing while the data differ from the last save.
Prompts::Answer AskSaveCurrentData(Prompts& prompts);

class FileCommands {
public:
    FileCommands(AppState& state, Prompts& prompts, frmMain& editor);

    // Enables File > Save and toolbar button 2 (the main window's part).
    std::function<void()> enableSave = [] {};
    // Where the dialogs start and the path Save proposes (empty: none).
    std::function<QString()> startFolder = [] { return QString(); };
    std::function<QString()> proposedName = [] { return QString(); };
    // The image was saved (after fileUsed).
    std::function<void()> saved = [] {};
    // A data file was opened into the editor (after fileUsed): as saved.
    std::function<void()> loaded = [] {};
    // A data file was opened or saved.
    std::function<void(const QString&)> fileUsed = [](const QString&) {};

    // The Save command: the caller looks at saveCancelled afterwards.
    void mnuFileSave_Click();
    // The Open command; with a path (a recent file) it opens that file
    // instead of asking for one.
    void mnuFileOpen_Click(const QString& path = QString());
    // Opens image bytes kept elsewhere (an archived transfer) as Open opens a
    // file, after the same question about unsaved data; false when the user
    // cancelled.
    bool OpenImage(const CodeplugImage::Bytes& bytes);

    // Writes the image to path after the refreshes a save makes. An empty
    // string on success, otherwise a message naming the file and the reason.
    QString CopyToFile(const QString& path);

private:
    bool chooseFileAndSave();
    // Asks to save data that differ from the last save; false when cancelled.
    bool keepCurrentData();

    AppState& state_;
    Prompts& prompts_;
    frmMain& editor_;
};

}  // namespace vantrel
