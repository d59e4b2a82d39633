// Times saving and opening a .cpg data file: the file routines alone, and the
// File > Save and File > Open commands of the main window, the latter with
// the editor's population.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "TimedRuns.h"
#include "base/DataFolder.h"
#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "gui/common/Prompts.h"
#include "gui/shell/MDIFormMain.h"
#include "gui/shell/MainShell.h"

namespace {

// Answers every file dialog with one path and every question with No.
struct FixedPrompts : vantrel::Prompts {
    QString path;
    Answer message(const Message&) override { return Answer::No; }
    QString openFileName(const FileDialog&) override { return path; }
    QString saveFileName(const FileDialog&) override { return path; }
    bool printerDialog(QPrinter&) override { return false; }
    void beep() override {}
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string path = dir.filePath("bench.cpg").toStdString();

    vantrel::AppState state;
    if (!vantrel::CopyToBox(state.image, vantrel::DataFilePath("U1_APAC.cpg")).ok()) return 1;

    ReportRuns("CopyToFile (write, fsync, rename)", 200, [&] {
        if (!vantrel::CopyToFile(state.image, "", path).empty()) std::abort();
    });
    ReportRuns("CopyToBox (read and parse)", 200, [&] {
        if (!vantrel::CopyToBox(state.image, path).ok()) std::abort();
    });

    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    FixedPrompts prompts;
    prompts.path = QString::fromStdString(path);
    vantrel::MDIFormMain main(state, prompts, settings);
    auto* shell = new vantrel::MainShell(main);
    main.show();
    main.Load();
    ReportRuns("File > Open (load and population)", 100, [&] {
        state.dataChanged = false;
        shell->files().mnuFileOpen_Click();
        if (state.loadFailed) std::abort();
    });
    ReportRuns("File > Save (checks and CopyToFile)", 100, [&] {
        shell->files().mnuFileSave_Click();
        if (state.saveCancelled) std::abort();
    });
    return 0;
}
