#pragma once
// The parts of the program that work on the editor: the shell's commands
// (MainShell), the radio link and the report commands. The main window builds
// its editor once it has shown (MDIFormMain::editor) and these attach to it
// then, so the window appears without waiting for them.
#include <memory>

class QSettings;

namespace vantrel {

class MDIFormMain;
class RadioLink;

class ProgramParts {
public:
    ProgramParts(MDIFormMain& main, QSettings& settings);
    ~ProgramParts();

    // nullptr until the editor has been built.
    RadioLink* radioLink() const { return radioLink_.get(); }

private:
    std::unique_ptr<RadioLink> radioLink_;
};

}  // namespace vantrel
