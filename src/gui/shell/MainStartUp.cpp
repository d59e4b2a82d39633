#include "gui/shell/MainStartUp.h"

#include "gui/codeplug/frmMain.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowPlacement.h"
#include "gui/shell/AfterFirstPaint.h"
#include "gui/shell/CommandLineFile.h"
#include "gui/shell/MDIFormMain.h"

namespace vantrel {

namespace {

constexpr int kMainWidth = 15235;
constexpr int kMainHeight = 9050;

}  // namespace

void MainStartUp::placeWindow() {
    main_.state().appClosing = false;
    // The frame, title bar included, at the top-left corner of the screen
    // area that panels leave free.
    PlaceWindow(main_, AvailableArea(main_).topLeft(), QSize(twips(kMainWidth), twips(kMainHeight)));
    main_.setImageCommandsEnabled(false);
}

void MainStartUp::load() {
    placeWindow();
    main_.editor()->LockEditor();
}

void MainStartUp::run(const QString& commandLine) {
    // The window is placed before it appears, so the window system puts the
    // frame there.
    placeWindow();
    main_.show();
    // The rest waits until the window has been painted, so the user sees it
    // at once: the editor, hidden until something is loaded, is most of the
    // program's windows, and finding the serial devices takes about as long
    // again. The steps keep their order, and so do their messages.
    AfterFirstPaint(main_, [this, commandLine] { finish(commandLine); });
}

void MainStartUp::finish(const QString& commandLine) {
    main_.editor()->LockEditor();
    main_.openCommPort();
    main_.editor()->setEnabled(true);
    main_.registerFileType();
    LoadCommandLineFile(main_, commandLine);
    finished_ = true;
}

}  // namespace vantrel
