// Editor figures: (a) start-up to the main window shown, against a bare Qt
// window's start-up on the same platform, with where the time goes, and to
// the end of the start-up; (b) one PopulateEditor of a 16-channel image;
// (c) resident memory after start-up.
//
// Start-up is timed from outside: the benchmark starts the program's start-up
// (itself as a child process, doing what main() does without the splash), a
// bare Qt window and the same window with menus and a toolbar (bare_window,
// a program linking Qt Widgets only) in turn, and takes the time from the
// start of each process until the child says its window has been painted, so
// loading the libraries counts as it does for a user. The program's child
// then says when its start-up has ended (editor built, serial port opened,
// file type registered), which happens after the window shows. The
// program's children share one settings folder, as a user's starts do: the
// port file the first start writes is there for the next. The children use
// the benchmark's platform (offscreen unless QT_QPA_PLATFORM says otherwise).
// The program's start-up is timed in each language (the setting
// Settings/Language), and once more in English without the translators'
// installation, the start-up as it was before the program had translations;
// for a desktop's figures run it on an X server with a window manager running (without one the bare window is slow to come up), e.g.
// `QT_QPA_PLATFORM=xcb DISPLAY=:1 build/bench/bench_editor`.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "StartupChild.h"
#include "base/DataFolder.h"
#include "channels/ChannelRecord.h"
#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "gui/ProgramParts.h"
#include "gui/codeplug/frmMain.h"
#include "gui/common/ProgramIcons.h"
#include "gui/common/Prompts.h"
#include "gui/common/Translations.h"
#include "gui/shell/AfterFirstPaint.h"
#include "gui/shell/MDIFormMain.h"

#include "SilentPrompts.h"

namespace {

constexpr int kStartupRuns = 21;

// Child: the program's start-up as main() does it (without the splash), with
// the time of each step after the process started. argv[2] is the settings
// folder.
int programChild(int argc, char** argv) {
    QElapsedTimer step;
    step.start();
    auto ms = [&] { return step.nsecsElapsed() / 1e6; };
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantrel CPS");
    QApplication::setWindowIcon(vantrel::ProgramIcon());
    const double appMs = ms();
    QSettings settings(QString::fromLocal8Bit(argv[2]) + "/settings.ini", QSettings::IniFormat);
    if (argc < 4 || qstrcmp(argv[3], "--untranslated") != 0) vantrel::InstallTranslations(settings);
    vantrel::AppState state;
    SilentPrompts prompts;
    vantrel::MDIFormMain main(state, prompts, settings);
    const double windowMs = ms();
    vantrel::ProgramParts parts(main, settings);
    main.startUp(QString());
    const double placedMs = ms();
    double editorMs = 0;
    vantrel::AfterFirstPaint(main, [&] {
        const double shownMs = ms();
        Say("shown", QByteArray::number(appMs, 'f', 1) + ' ' + QByteArray::number(windowMs - appMs, 'f', 1) + ' ' +
                         QByteArray::number(placedMs - windowMs, 'f', 1) + ' ' +
                         QByteArray::number(shownMs - placedMs, 'f', 1));
        // The editor and the parts on it are built first thing after the
        // paint; timed here.
        const double before = ms();
        main.editor();
        editorMs = ms() - before;
    });
    while (!main.startedUp()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Say("ready", QByteArray::number(editorMs, 'f', 1));
    return 0;
}

// What a child said: the time of each line after the child started, and the
// line's words after the first.
struct Run {
    std::vector<double> ms;
    std::vector<QStringList> lines;
};

// Starts `program` with `args` and times it until it has said `lines` lines.
Run timeChild(const QString& program, const QStringList& args, int lines) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("QT_QPA_PLATFORM")) env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer t;
    t.start();
    child.start(program, args);
    Run run;
    while (static_cast<int>(run.lines.size()) < lines) {
        while (!child.canReadLine() && child.waitForReadyRead(30000)) {
        }
        if (!child.canReadLine()) break;
        run.ms.push_back(t.nsecsElapsed() / 1e6);
        run.lines.push_back(QString::fromLatin1(child.readLine()).trimmed().split(' ').mid(1));
    }
    child.waitForFinished(30000);
    return run;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// language: a code for the setting, or "untranslated" for English without
// the translators' installation.
void startupFigures(const QString& language) {
    QTemporaryDir settingsFolder;
    const bool untranslated = language == QLatin1String("untranslated");
    QSettings(settingsFolder.filePath("settings.ini"), QSettings::IniFormat)
        .setValue(vantrel::kLanguageKey, untranslated ? QStringLiteral("en") : language);
    const QString self = QCoreApplication::applicationFilePath();
    QStringList programArgs{"--program-child", settingsFolder.path()};
    if (untranslated) programArgs << "--untranslated";
    std::vector<double> bare, menus, shown, ended, editor, rssBare, rssProgram;
    std::vector<std::vector<double>> steps(4);
    timeChild(BARE_WINDOW_PATH, {}, 1);  // warms the file cache for all
    timeChild(self, programArgs, 2);
    for (int i = 0; i < kStartupRuns; ++i) {
        const Run b = timeChild(BARE_WINDOW_PATH, {}, 1);
        const Run m = timeChild(BARE_WINDOW_PATH, {"--menus"}, 1);
        const Run p = timeChild(self, programArgs, 2);
        if (b.lines.size() != 1 || m.lines.size() != 1 || p.lines.size() != 2 || p.lines[0].size() != 5 ||
            p.lines[1].size() != 2) {
            std::printf("a start-up child failed\n");
            return;
        }
        bare.push_back(b.ms[0]);
        rssBare.push_back(b.lines[0][0].toDouble() / 1024);
        menus.push_back(m.ms[0]);
        shown.push_back(p.ms[0]);
        ended.push_back(p.ms[1]);
        for (std::size_t s = 0; s < steps.size(); ++s) steps[s].push_back(p.lines[0][int(s) + 1].toDouble());
        rssProgram.push_back(p.lines[1][0].toDouble() / 1024);
        editor.push_back(p.lines[1][1].toDouble());
    }
    const double b = median(bare), m = median(menus), p = median(shown);
    std::printf("language %s\n", qPrintable(language));
    std::printf("startup_platform %s\n", qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen")));
    std::printf("startup_bare_qt_window_ms median %.1f over %d runs\n", b, kStartupRuns);
    std::printf("startup_bare_window_with_menus_ms median %.1f (%.2fx the bare window)\n", m, m / b);
    std::printf("startup_to_main_window_ms median %.1f (%.2fx the bare window; target <= 1.3x; %.2fx the one "
                "with menus)\n",
                p, p / b, p / m);
    std::printf("startup_steps_ms application %.1f main_window %.1f place_and_show %.1f first_paint %.1f "
                "(the rest is loading the program)\n",
                median(steps[0]), median(steps[1]), median(steps[2]), median(steps[3]));
    std::printf("startup_ended_ms median %.1f (after the paint: editor built in %.1f, loaded and locked, "
                "serial port opened, file type registered)\n",
                median(ended), median(editor));
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
    while (!main.startedUp()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);

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
    if (argc > 2 && qstrcmp(argv[1], "--program-child") == 0) return programChild(argc, argv);
    {
        QCoreApplication core(argc, argv);
        // VANTREL_BENCH_LANGUAGES="en es" limits the languages timed.
        const QString wanted = qEnvironmentVariable("VANTREL_BENCH_LANGUAGES", "untranslated en es pt_BR fr de zh_CN");
        for (const QString& language : wanted.split(' ', Qt::SkipEmptyParts)) startupFigures(language);
    }
    populateFigures(argc, argv);
    return 0;
}
