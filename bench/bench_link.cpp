// Full transfers against the simulated radio on a pty, through the same
// serial device and protocol code as the program, over a plain cable and over
// one that echoes every byte the program sends. Prints for each:
//  (a) unpaced: median wall time beyond the pauses the radio asks for and the
//      simulator's reaction times (target < 50 ms);
//  (b) paced at 1200 baud: wall time against the line-time minimum (target
//      within 3 %) and the CPU time spent (target < 5 % of wall).
// Run from the build tree (finds ../src/app/vantrelctl) or set VANTRELCTL.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

#include "link/Link.h"
#include "link/ReadProtocol.h"
#include "link/WriteProtocol.h"
#include "link/serial/OpenCommPort.h"
#include "link/serial/SerialDevice.h"

using namespace vantrel;
using namespace vantrel::link;

namespace {

constexpr double kByteSeconds = 11.0 / 1200.0;
constexpr double kReaction = 0.010;

QString Vantrelctl() {
    const QByteArray env = qgetenv("VANTRELCTL");
    if (!env.isEmpty()) return QString::fromLocal8Bit(env);
    return QDir(QCoreApplication::applicationDirPath()).filePath("../src/app/vantrelctl");
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

CodeplugImage::Bytes RadioImage() {
    CodeplugImage::Bytes bytes{};
    for (std::size_t n = 0; n < bytes.size(); ++n) bytes[n] = static_cast<std::uint8_t>((n * 41 + 3) & 0xFF);
    return bytes;
}

struct Sample {
    double wall;
    double cpu;
    bool ok;
};

// One transfer against a fresh simulator; `transfer` runs the exchange.
Sample Measure(const QStringList& simOptions, const std::function<bool(Link&)>& transfer) {
    QTemporaryDir dir;
    QFile image(dir.filePath("radio.cpg"));
    image.open(QIODevice::WriteOnly);
    image.write("Vantrel programmer data file\r\n");
    for (std::uint8_t b : RadioImage()) image.write(" " + QByteArray::number(b) + " \r\n");
    image.close();
    const QString linkPath = dir.filePath("radio");
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(Vantrelctl(), QStringList{"simulate", "--image", image.fileName(), "--link", linkPath} + simOptions);
    struct stat st{};
    for (int n = 0; n < 500 && ::lstat(linkPath.toLocal8Bit().constData(), &st) != 0; ++n) QThread::msleep(10);

    SerialDevice device;
    Sample s{0, 0, false};
    if (OpenCommPort(device, linkPath, [](const QString& t) { std::fprintf(stderr, "%s\n", qPrintable(t)); })) {
        Link link(device);
        const double cpu0 = CpuSeconds();
        const auto t0 = Clock::now();
        s.ok = transfer(link);
        s.wall = std::chrono::duration<double>(Clock::now() - t0).count();
        s.cpu = CpuSeconds() - cpu0;
    }
    device.close();
    sim.terminate();
    sim.waitForFinished(5000);
    return s;
}

bool WriteOnce(Link& link) {
    LinkObserver quiet;
    AppState state;
    state.image.replaceAll(RadioImage());
    return WriteCodeplug(link, quiet, state, WriteSteps{}) == TransferOutcome::Success;
}

bool ReadOnce(Link& link) {
    LinkObserver quiet;
    CodeplugImage image;
    return ReadCodeplug(link, quiet, image) == TransferOutcome::Success;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Exchange {
    const char* name;
    std::function<bool(Link&)> run;
    int lineBytes;      // bytes on the line in both directions
    double pauses;      // pauses the radio asks for, in seconds
    int answers;        // answers that wait for the reaction time
};

void Report(const Exchange& x, const char* line, const QStringList& lineOptions, int unpacedRuns,
            int pacedRuns) {
    std::vector<double> beyond;
    for (int n = 0; n < unpacedRuns; ++n) {
        const Sample s = Measure(lineOptions, x.run);
        if (!s.ok) { std::printf("%s, %s: unpaced run failed\n", x.name, line); return; }
        beyond.push_back(s.wall - x.pauses - x.answers * kReaction);
    }
    // The best run shows the cost of the code itself on a busy machine, where
    // the median also carries the scheduler's wake-up delays.
    std::printf("%s, %s (a) unpaced, %d runs: median %.1f ms (best %.1f ms) beyond pauses (%.0f ms) and reactions (%d x %.0f ms); target < 50 ms\n",
                x.name, line, unpacedRuns, Median(beyond) * 1000, *std::min_element(beyond.begin(), beyond.end()) * 1000,
                x.pauses * 1000, x.answers, kReaction * 1000);
    // An echo shares the line time of the bytes it returns.
    const double minimum = x.lineBytes * kByteSeconds + x.pauses;
    for (int n = 0; n < pacedRuns; ++n) {
        const Sample s = Measure(QStringList{"--pace"} + lineOptions, x.run);
        if (!s.ok) { std::printf("%s, %s: paced run failed\n", x.name, line); return; }
        std::printf("%s, %s (b) paced: %.3f s vs line-time minimum %.3f s (%d bytes + pauses): +%.2f %%; CPU %.3f s = %.2f %% of wall\n",
                    x.name, line, s.wall, minimum, x.lineBytes, (s.wall / minimum - 1) * 100, s.cpu, s.cpu / s.wall * 100);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int unpaced = argc > 1 ? std::atoi(argv[1]) : 11;
    const int paced = argc > 2 ? std::atoi(argv[2]) : 2;
    // Every answer is followed by the quiet that shows it came alone; the
    // radio's pauses after an answer (10 ms, 2 ms) fall within it.
    const double quiet = std::chrono::duration<double>(kAnswerSettle).count();
    // Read: 0x52, 0x0B and 48 acknowledgements as pairs (100 bytes) from the
    // program; identity, 10-byte first answer and 47 blocks of 9 from the
    // radio. Waits: the quiet after each of the 49 answers and after the last
    // acknowledgement.
    const Exchange read{"read", ReadOnce, 100 + 1 + 10 + 47 * 9, 50 * quiet, 49};
    // Write: P, 0x0B, T, 0x0B, R as pairs and 48 blocks of 16 bytes plus a
    // checksum pair (874 bytes); identity, 10-byte version answer, target,
    // switch answer and 48 acknowledgements (61 bytes). Waits: 200 + 10 ms
    // after the identity, the quiet after the other 51 answers, 10 ms between
    // 0x0B and R, 1 ms before each checksum, 2 x 500 ms at the end.
    const Exchange write{"write", WriteOnce, 874 + 61, 0.210 + 51 * quiet + 0.010 + 48 * 0.001 + 1.0, 52};
    for (const Exchange& x : {read, write}) {
        Report(x, "plain cable", {}, unpaced, paced);
        Report(x, "echoing cable", {"--echo"}, unpaced, paced);
    }
    return 0;
}
