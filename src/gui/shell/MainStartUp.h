#pragma once
// The start-up after the splash, in its order: the window placed and shown;
// once it has been painted, the editor loaded and locked, the serial port,
// the editor enabled, the file-type registration, the command-line file.
#include <QString>

namespace vantrel {

class MDIFormMain;

class MainStartUp {
public:
    explicit MainStartUp(MDIFormMain& main) : main_(main) {}

    void run(const QString& commandLine);
    // Whether the start-up has run to its end.
    bool finished() const { return finished_; }
    // The main window's load in one go: placement, disabled commands, the
    // editor loaded and locked (the start-up shows the window between them).
    void load();

private:
    void placeWindow();
    void finish(const QString& commandLine);

    MDIFormMain& main_;
    bool finished_ = false;
};

}  // namespace vantrel
