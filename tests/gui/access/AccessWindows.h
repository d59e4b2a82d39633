#pragma once
// The windows a screen-reader user works, built as the program builds them
// and shown: the editor (unlocked, on a sample radio), the tone dialog, the
// read/write dialog, the fleet and archive windows and the print preview.
#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "gui/archive/frmArchive.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/frmChannelToneOption.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/fleet/frmFleet.h"
#include "gui/link/LinkFixture.h"
#include "gui/report/frmMultiPgPreview.h"
#include "gui/shell/AccessibleWindows.h"

namespace vantrel::test {

// Makes w the active window, as a click on it would.
inline bool Activate(QWidget* w) {
    w->activateWindow();
    return QTest::qWaitForWindowActive(w) && QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
}

struct AccessWindows {
    AccessWindows() { InstallAccessibleWindows(); }

    // The editor on a loaded, unlocked sample radio with channels.
    struct Editor {
        EditorFixture f;
        Editor() {
            f.main->show();
            f.startUp();
            CodeplugImage image = sampleImage();
            f.load(image);
            f.editor().setEditorVisible(true);
            f.editor().setEnabled(true);
            QApplication::processEvents();
        }
        frmMain& form() { return f.editor(); }
    };

    // Every other window, each with what it needs alive.
    struct Window {
        QString name;
        std::function<QWidget*()> open;  // builds, shows and returns the window
    };

    static std::vector<Window> others(Editor& editor, std::vector<std::shared_ptr<void>>& keep) {
        return {
            {"frmChannelToneOption",
             [&editor] {
                 editor.form().tabs()->setCurrentIndex(1);
                 editor.form().grid()->OpenRxToneDialog(1);
                 return static_cast<QWidget*>(editor.form().grid()->toneDialog());
             }},
            {"frmProgram",
             [&keep] {
                 auto link = std::make_shared<LinkFixture>();
                 keep.push_back(link);
                 link->main->runCommand(MDIFormMain::Command::Read);
                 return static_cast<QWidget*>(&link->dialog());
             }},
            {"frmFleet",
             [&keep, &editor] {
                 auto w = std::make_shared<frmFleet>(
                     editor.f.prompts, [](int n) { return QStringLiteral("/dev/ttyUSB%1").arg(n - 1); },
                     [] { return std::optional<fleet::FleetWrite>(); });
                 keep.push_back(w);
                 w->show();
                 return static_cast<QWidget*>(w.get());
             }},
            {"frmArchive",
             [&keep, &editor] {
                 auto w = std::make_shared<frmArchive>(editor.f.prompts, editor.f.settings, frmArchive::Editor{});
                 keep.push_back(w);
                 w->show();
                 return static_cast<QWidget*>(w.get());
             }},
            {"frmMultiPgPreview",
             [&keep] {
                 auto w = std::make_shared<report::frmMultiPgPreview>();
                 keep.push_back(w);
                 w->show();
                 return static_cast<QWidget*>(w.get());
             }},
        };
    }
};

}  // namespace vantrel::test
