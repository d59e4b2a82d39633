#pragma once
// A main window with its editor, built without the splash, on a fresh state,
// scripted prompts and settings in a temporary folder.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "channels/ChannelRecord.h"
#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "gui/codeplug/frmMain.h"
#include "gui/shell/MDIFormMain.h"
#include "support/ScriptedPrompts.h"
#include "support/StartUp.h"

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
    void startUp(const QString& commandLine = {}) { StartUp(*main, commandLine); }

    // A whole-image load of image as the given kind of load does it.
    void load(const CodeplugImage& image, frmMain::LoadKind kind = frmMain::LoadKind::FileOpen) {
        state.image = image;
        state.loadingImage = true;
        editor().PopulateEditor(kind);
        state.loadingImage = false;
    }
    void load(frmMain::LoadKind kind = frmMain::LoadKind::FileOpen) { load(state.image, kind); }

    // A data file in the temporary folder holding image.
    QString writeFile(const QString& name, const CodeplugImage& image) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(FormatCodeplugFile(image)));
        return path;
    }
};

// A plain unprotected 16-channel radio of band 2 with sensible settings.
inline CodeplugImage sampleImage() {
    CodeplugImage img;
    img.setByte(bytemap::RadioType, 2);
    img.setByte(bytemap::ModelIndex, 1);
    img.setByte(bytemap::OptionFlags, 0x04);
    img.setByte(bytemap::TotTime, 6);
    img.setByte(bytemap::ScanSpeedTime, 10);
    img.setByte(bytemap::ScanDelayTime, 8);
    img.setByte(bytemap::LookBackTime, 16);
    img.setByte(bytemap::TotPenaltyTime, 5);
    img.setByte(bytemap::PrioScanChNo, 1);
    img.setByte(bytemap::ButtonCodeS1, 3);
    img.setByte(bytemap::ButtonCodeL1, 4);
    img.setByte(bytemap::ButtonCodeS2, 5);
    img.setByte(bytemap::ButtonCodeL2, 11);
    for (std::size_t i = 0; i < bytemap::SerialNumberSize; ++i) img.setByte(bytemap::SerialNumber + i, 0xFF);
    ClearChannels(img);
    return img;
}

}  // namespace vantrel::test
