// The tone dialog under a real window manager: a click on a PL Option cell
// opens it with the keyboard and the current tone marked, every time, and
// Enter works at once in the dialog and back on the grid. The offscreen
// platform has no window manager taking the focus on a click, so this runs
// the program on its own X server (Xvfb) with openbox, and clicks and types
// with xdotool as a user would.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {

const QString kToneTitle = QStringLiteral("Channel Tone Option");
const QString kDataFile = QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_NAG.cpg");
// The receive PL Option cell of channel 1, from the main window's corner,
// as the program lays it out at 96 dpi under openbox's default theme.
const QPoint kRxPlCell(182, 169);
const QColor kMarked(192, 192, 255);  // the box that has the focus

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Installed(const char* program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

struct Desktop {
    QTemporaryDir dir;
    QProcess xvfb, wm, program;
    QString display;

    ~Desktop() {
        for (QProcess* p : {&program, &wm, &xvfb}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(3000)) p->kill();
            p->waitForFinished(3000);
        }
    }

    QProcessEnvironment env() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("DISPLAY", display);
        e.insert("QT_QPA_PLATFORM", "xcb");
        e.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        e.remove("QT_SCALE_FACTOR");
        return e;
    }

    // Xvfb picks a free display number itself and writes it to fd 1.
    bool start() {
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x900x24", "-nolisten", "tcp"});
        if (!xvfb.waitForStarted(5000)) return false;
        QElapsedTimer t;
        t.start();
        while (!xvfb.canReadLine() && t.elapsed() < 10000) xvfb.waitForReadyRead(200);
        const QString number = QString::fromLatin1(xvfb.readLine()).trimmed();
        if (number.isEmpty()) return false;
        display = ":" + number;
        wm.setProcessEnvironment(env());
        wm.start("openbox", {});
        if (!wm.waitForStarted(5000)) return false;
        Wait(800);
        QDir().mkpath(dir.filePath("config"));
        program.setProcessEnvironment(env());
        program.start(VANTREL_CPS_PATH, {kDataFile});
        return program.waitForStarted(5000);
    }

    QString xdotool(const QStringList& args) const {
        QProcess p;
        p.setProcessEnvironment(env());
        p.start("xdotool", args);
        p.waitForFinished(10000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    QString activeTitle() const { return xdotool({"getactivewindow", "getwindowname"}); }
    // Waits until the active window's title is (or, with `is` false, is no
    // longer) the given one.
    bool waitActive(const QString& title, bool is = true) const {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            if ((activeTitle() == title) == is) return true;
            Wait(100);
        }
        return false;
    }
    QImage activeWindowPicture() const {
        QProcess p;
        p.setProcessEnvironment(env());
        p.start("import", {"-window", xdotool({"getactivewindow"}), "png:-"});
        p.waitForFinished(10000);
        return QImage::fromData(p.readAllStandardOutput(), "PNG");
    }
    // A press and a release a human's tenth of a second apart.
    void click(QPoint at) const {
        xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "mousedown", "1"});
        Wait(120);
        xdotool({"mouseup", "1"});
    }
    void key(const char* name) const { xdotool({"key", name}); }
};

int CountColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) ++n;
    return n;
}

TEST(ToneDialogUnderAWindowManager, ClickOpensItWithTheKeyboardAndTheToneMarked) {
    for (const char* p : {"Xvfb", "openbox", "xdotool", "import"})
        if (!Installed(p)) GTEST_SKIP() << p << " is not installed (scripts/deps.sh installs it)";
    Desktop d;
    ASSERT_TRUE(d.start());
    // The splash's OK has the keyboard; the file given on the command line
    // shows on the channel tab.
    ASSERT_TRUE(d.waitActive("Vantrel CPS"));
    d.key("Return");
    ASSERT_TRUE(d.waitActive("U2_NAG.cpg - Vantrel CPS"));
    const QString mainWindow = d.xdotool({"getactivewindow"});
    Wait(500);

    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        d.click(kRxPlCell);
        ASSERT_TRUE(d.waitActive(kToneTitle)) << d.activeTitle().toStdString();
        Wait(300);
        EXPECT_GT(CountColour(d.activeWindowPicture(), kMarked), 50) << "the current tone is not marked";
        // A click-to-focus of the main window that comes late leaves the
        // keyboard with the dialog.
        d.xdotool({"windowactivate", mainWindow});
        Wait(500);
        EXPECT_EQ(d.activeTitle().toStdString(), kToneTitle.toStdString());
        d.key("Escape");
        ASSERT_TRUE(d.waitActive(kToneTitle, false));
    }

    // Arrows move in the table and Enter chooses; the first Enter on the grid
    // after that opens the dialog again.
    d.click(kRxPlCell);
    ASSERT_TRUE(d.waitActive(kToneTitle));
    d.key("Down");
    d.key("Return");
    ASSERT_TRUE(d.waitActive(kToneTitle, false));
    Wait(300);
    d.key("Return");
    EXPECT_TRUE(d.waitActive(kToneTitle)) << d.activeTitle().toStdString();
    d.key("Escape");
}

}  // namespace
