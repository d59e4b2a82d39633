// Editor figures, offscreen: (a) start-up to the main window shown, (b) one
// PopulateEditor of a 16-channel image, (c) resident memory after start-up.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "channels/ChannelRecord.h"
#include "codeplug/AppState.h"
#include "codeplug/widgets/frmMain.h"
#include "shell/CodeplugFile.h"
#include "shell/DataFolder.h"
#include "link/widgets/RadioLink.h"
#include "report/widgets/ReportCommands.h"
#include "shell/widgets/MDIFormMain.h"
#include "shell/widgets/MainShell.h"
#include "shell/widgets/Prompts.h"

#include "SilentPrompts.h"

namespace {

long residentKiB() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const auto t0 = std::chrono::steady_clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    vantrel::AppState state;
    SilentPrompts prompts;
    vantrel::MDIFormMain main(state, prompts, settings);
    // Everything the program attaches to its main window before the splash.
    new vantrel::MainShell(main);
    vantrel::RadioLink radioLink(main, settings);
    vantrel::report::InstallReportCommands(main);
    main.startUp(QString());
    while (!main.isVisible()) QApplication::processEvents();
    QApplication::processEvents();
    const double startupMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    const long rss = residentKiB();

    // A 16-channel default codeplug.
    vantrel::CodeplugImage image;
    const auto& row = vantrel::DefaultFileTable()[2];
    vantrel::LoadDefaultCodeplug(image, row, vantrel::DataFolder());
    main.editor()->setEditorVisible(true);
    constexpr int kRuns = 200;
    QElapsedTimer timer;
    double total = 0, worst = 0;
    for (int i = 0; i < kRuns; ++i) {
        state.image = image;
        state.loadingImage = true;
        timer.start();
        main.editor()->PopulateEditor(vantrel::frmMain::LoadKind::FileOpen);
        const double ms = timer.nsecsElapsed() / 1e6;
        state.loadingImage = false;
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("startup_to_main_window_ms %.1f (target < 300)\n", startupMs);
    std::printf("populate_editor_16ch_ms mean %.3f worst %.3f over %d runs (target < 20)\n", total / kRuns,
                worst, kRuns);
    std::printf("resident_after_startup_MiB %.1f (target < 80)\n", rss / 1024.0);
    return 0;
}
