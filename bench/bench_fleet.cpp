// A fleet job (read, write, verify each radio) against 1, 2, 4 and 8
// simulated radios paced at 1200 baud, through the same fleet core as
// vantrelctl fleet write. Each job runs in a fresh child process so that its
// peak memory is its own. Prints per job: wall time against one radio's
// (target: eight within 1.05x), CPU per radio (target < 2 % of a core) and
// the memory the job adds per radio (target < 1 MiB).
// Run from the build tree (finds ../src/app/vantrelctl) or set VANTRELCTL.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>

#include "fleet/FleetJob.h"
#include "model/OpenForWrite.h"

using namespace vantrel;

namespace {

constexpr int kSizes[] = {1, 2, 4, 8};

QString Vantrelctl() {
    const QByteArray env = qgetenv("VANTRELCTL");
    if (!env.isEmpty()) return QString::fromLocal8Bit(env);
    return QDir(QCoreApplication::applicationDirPath()).filePath("../src/app/vantrelctl");
}

QString DataFile() { return QStringLiteral(VANTREL_BUILD_DATA_DIR "/U2_EMEA.cpg"); }

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long PeakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Child: one job on the first n radios of the fleet at `prefix`; prints
// "ok wall cpu peakBefore peakAfter".
int RunJob(const QString& prefix, int n) {
    AppState state;
    EditingModel model(state);
    model.LoadEditor();
    if (OpenForWrite(model, DataFile().toStdString()).refused) return 1;
    std::vector<fleet::FleetPort> ports;
    for (int k = 1; k <= n; ++k) {
        const std::string path = (prefix + QString::number(k)).toStdString();
        ports.push_back({path, path});
    }
    const long before = PeakKiB();
    const double cpu0 = CpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    fleet::FleetJob job(ports, fleet::FleetWrite{model.snapshot(), std::nullopt, true});
    job.start();
    job.wait(std::chrono::minutes(2));
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("%d %.3f %.3f %ld %ld\n", job.succeeded() ? 1 : 0, wall, CpuSeconds() - cpu0, before, PeakKiB());
    return 0;
}

struct Figures {
    bool ok = false;
    double wall = 0, cpu = 0;
    long before = 0, after = 0;
};

Figures Child(const QString& prefix, int n) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), {"--job", prefix, QString::number(n)});
    p.waitForFinished(180000);
    Figures f;
    int ok = 0;
    if (std::sscanf(p.readAllStandardOutput().constData(), "%d %lf %lf %ld %ld", &ok, &f.wall, &f.cpu, &f.before,
                    &f.after) == 5)
        f.ok = ok == 1;
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--job") return RunJob(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));

    QTemporaryDir dir;
    const QString prefix = dir.filePath("radio");
    QProcess sim;
    sim.start(Vantrelctl(), {"simulate", "--pace", "--count", "8", "--image", DataFile(), "--link", prefix});
    struct stat st{};
    for (int n = 0; n < 500 && ::lstat((prefix + "8").toLocal8Bit().constData(), &st) != 0; ++n) QThread::msleep(10);

    std::printf("fleet write --verify (read, write, read back), paced at 1200 baud, one cable per radio\n");
    Figures one;
    for (int n : kSizes) {
        const Figures f = Child(prefix, n);
        if (!f.ok) {
            std::printf("%d radios: the job failed\n", n);
            continue;
        }
        if (n == 1) one = f;
        const double growth = n == 1 ? 0 : double(f.after - one.after) / 1024.0 / (n - 1);
        std::printf("%d radio%s: wall %.2f s = %.3fx one radio's (target <= 1.05x for 8); CPU %.3f s = %.2f %% of a "
                    "core per radio (target < 2 %%); peak memory %.1f MiB%s\n",
                    n, n == 1 ? " " : "s", f.wall, one.wall > 0 ? f.wall / one.wall : 0, f.cpu,
                    f.cpu / f.wall / n * 100, f.after / 1024.0,
                    n == 1 ? "" : QString(", %1 MiB more per radio than one (target < 1 MiB)").arg(growth, 0, 'f', 2)
                                      .toLocal8Bit().constData());
    }
    sim.terminate();
    sim.waitForFinished(5000);
    return 0;
}
