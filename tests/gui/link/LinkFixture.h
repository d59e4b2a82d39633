#pragma once
// A main window with its editor and the Read/Write commands on an in-memory
// line in virtual time, with the simulated radio at its far end.
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "gui/codeplug/frmMain.h"
#include "gui/link/ProgramCommands.h"
#include "gui/link/frmProgram.h"
#include "gui/shell/MDIFormMain.h"
#include "link/SimulatedRadio.h"
#include "link/VirtualLine.h"
#include "support/ScriptedPrompts.h"
#include "support/StartUp.h"

namespace vantrel::test {

// A default data file's image: a real radio's codeplug.
inline CodeplugImage::Bytes DefaultImage(const char* name = "U2_NAG.cpg") {
    CodeplugImage image;
    CopyToBox(image, std::string(VANTREL_TEST_DATA_DIR) + "/../data/" + name);
    return image.bytes();
}

struct LinkFixture {
    explicit LinkFixture(const CodeplugImage::Bytes& radioImage = DefaultImage(),
                         link::SimulatedRadioOptions options = {})
        : radio(radioImage, options) {
        StartUp(*main);
    }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    AppState state;
    ScriptedPrompts prompts;
    link::SimulatedRadio radio;
    link::testing::VirtualLine line{[this](std::uint8_t b) { return radio.receive(b); }};
    int portOpens = 0;
    bool deviceThere = true;  // false: opening the port fails
    std::unique_ptr<MDIFormMain> main = std::make_unique<MDIFormMain>(state, prompts, settings);
    ProgramCommands commands{*main, line, [this] {
                                 ++portOpens;
                                 std::string error;
                                 return deviceThere && line.open(error);
                             }};

    frmMain& editor() { return *main->editor(); }
    frmProgram& dialog() { return commands.dialog(); }
    bool enabled(const char* menu) { return main->menuAction(menu)->isEnabled(); }
};

}  // namespace vantrel::test
