// Editor figures: (a) start-up to the main window shown, against a bare Qt
// window's start-up on the same platform, with where the time goes; (b) one
// PopulateEditor of a 16-channel image; (c) resident memory after start-up.
//
// Start-up is timed from outside: the benchmark starts itself as a child
// process (the program's start-up, or a bare QApplication with a QMainWindow)
// and takes the time from the start of the process until the child says its
// window is shown, so loading the libraries counts as it does for a user.
// The children use the benchmark's platform (offscreen unless
// QT_QPA_PLATFORM says otherwise).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "channels/ChannelRecord.h"
#include "codeplug/AppState.h"
#include "codeplug/widgets/frmMain.h"
#include "link/widgets/RadioLink.h"
#include "report/widgets/ReportCommands.h"
#include "shell/CodeplugFile.h"
#include "shell/DataFolder.h"
#include "shell/widgets/MDIFormMain.h"
#include "shell/widgets/MainShell.h"
#include "shell/widgets/ProgramIcons.h"
#include "shell/widgets/Prompts.h"

#include "SilentPrompts.h"

namespace {

constexpr int kStartupRuns = 15;

long residentKiB() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void waitShown(const QWidget& w) {
    while (!w.isVisible()) QApplication::processEvents();
    QApplication::processEvents();
}

// Child: a bare Qt window.
int bareChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1015, 603);
    window.show();
    waitShown(window);
    std::printf("shown %ld\n", residentKiB());
    std::fflush(stdout);
    return 0;
}

// Child: the program's start-up as main() does it (without the splash), with
// the time of each step after the process started.
int programChild(int argc, char** argv) {
    QElapsedTimer step;
    step.start();
    QApplication app(argc, argv);
    QApplication::setWindowIcon(vantrel::ProgramIcon());
    const double appMs = step.nsecsElapsed() / 1e6;
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    vantrel::AppState state;
    SilentPrompts prompts;
    vantrel::MDIFormMain main(state, prompts, settings);
    const double windowMs = step.nsecsElapsed() / 1e6;
    new vantrel::MainShell(main);
    vantrel::RadioLink radioLink(main, settings);
    vantrel::report::InstallReportCommands(main);
    const double attachedMs = step.nsecsElapsed() / 1e6;
    main.startUp(QString());
    waitShown(main);
    const double shownMs = step.nsecsElapsed() / 1e6;
    std::printf("shown %ld application %.1f main_window %.1f commands %.1f start_up %.1f\n", residentKiB(), appMs,
                windowMs - appMs, attachedMs - windowMs, shownMs - attachedMs);
    std::fflush(stdout);
    return 0;
}

struct Run {
    double ms = 0;
    QStringList line;
};

// Starts this program as a child in `mode` and times it until its window is shown.
Run timeChild(const QString& mode) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("QT_QPA_PLATFORM")) env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer t;
    t.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    Run run;
    while (child.waitForReadyRead(30000))
        if (child.canReadLine()) break;
    run.ms = t.nsecsElapsed() / 1e6;
    run.line = QString::fromLatin1(child.readLine()).trimmed().split(' ');
    child.waitForFinished(30000);
    return run;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void startupFigures() {
    std::vector<double> bare, program, rssBare, rssProgram;
    std::vector<std::vector<double>> steps(4);
    timeChild("--bare-child");  // warms the file cache for both
    timeChild("--program-child");
    for (int i = 0; i < kStartupRuns; ++i) {
        const Run b = timeChild("--bare-child");
        const Run p = timeChild("--program-child");
        bare.push_back(b.ms);
        program.push_back(p.ms);
        if (b.line.size() >= 2) rssBare.push_back(b.line[1].toDouble() / 1024);
        if (p.line.size() >= 10) {
            rssProgram.push_back(p.line[1].toDouble() / 1024);
            for (int s = 0; s < 4; ++s) steps[static_cast<std::size_t>(s)].push_back(p.line[3 + 2 * s].toDouble());
        }
    }
    const double b = median(bare), p = median(program);
    std::printf("startup_bare_qt_window_ms median %.1f over %d runs\n", b, kStartupRuns);
    std::printf("startup_to_main_window_ms median %.1f (%.2fx the bare window; target <= 1.3x)\n", p, p / b);
    std::printf("startup_steps_ms application %.1f main_window %.1f commands %.1f start_up_and_show %.1f "
                "(the rest is loading the program)\n",
                median(steps[0]), median(steps[1]), median(steps[2]), median(steps[3]));
    std::printf("resident_after_startup_MiB %.1f (bare window %.1f; target < 40)\n", median(rssProgram),
                median(rssBare));
}

void populateFigures(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    vantrel::AppState state;
    SilentPrompts prompts;
    vantrel::MDIFormMain main(state, prompts, settings);
    main.startUp(QString());

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
    std::printf("populate_editor_16ch_ms mean %.3f worst %.3f over %d runs (target < 20)\n", total / kRuns,
                worst, kRuns);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--bare-child") == 0) return bareChild(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--program-child") == 0) return programChild(argc, argv);
    {
        QCoreApplication core(argc, argv);
        startupFigures();
    }
    populateFigures(argc, argv);
    return 0;
}
