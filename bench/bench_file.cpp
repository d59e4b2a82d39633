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

#include "base/DataFolder.h"
#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "gui/common/Prompts.h"
#include "gui/shell/MDIFormMain.h"
#include "gui/shell/MainShell.h"

namespace {

using Clock = std::chrono::steady_clock;

void report(const char* what, int runs, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        step();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-38s runs %4d  median %7.3f ms  mean %7.3f ms  max %7.3f ms\n", what, runs, ms[ms.size() / 2],
                sum / ms.size(), ms.back());
}

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

    report("CopyToFile (write, fsync, rename)", 200, [&] {
        if (!vantrel::CopyToFile(state.image, "", path).empty()) std::abort();
    });
    report("CopyToBox (read and parse)", 200, [&] {
        if (!vantrel::CopyToBox(state.image, path).ok()) std::abort();
    });

    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    FixedPrompts prompts;
    prompts.path = QString::fromStdString(path);
    vantrel::MDIFormMain main(state, prompts, settings);
    auto* shell = new vantrel::MainShell(main);
    main.show();
    main.Load();
    report("File > Open (load and population)", 100, [&] {
        state.dataChanged = false;
        shell->files().mnuFileOpen_Click();
        if (state.loadFailed) std::abort();
    });
    report("File > Save (checks and CopyToFile)", 100, [&] {
        shell->files().mnuFileSave_Click();
        if (state.saveCancelled) std::abort();
    });
    return 0;
}
