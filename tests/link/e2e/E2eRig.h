#pragma once
// Runs vantrelctl (the simulated radio and the read/write commands) as real
// processes talking over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <csignal>
#include <sys/prctl.h>
#include <sys/stat.h>

namespace vantrel::link::e2e {

struct CtlRun {
    int exitCode = -1;
    QString err;
    double seconds = 0;
};

inline CtlRun Ctl(const QStringList& args, int timeoutMs = 60000) {
    QProcess p;
    const auto start = std::chrono::steady_clock::now();
    p.start(QStringLiteral(VANTRELCTL_PATH), args);
    CtlRun r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// A codeplug file whose blocks all differ, in the exact data-file layout.
inline QByteArray PatternCpg(int seed = 5) {
    QByteArray text = "Vantrel programmer data file\r\n";
    for (int n = 0; n < 384; ++n) text += " " + QByteArray::number((n * 53 + seed) & 0xFF) + " \r\n";
    return text;
}

inline bool IsSymlink(const QString& path) {
    struct stat st{};
    return ::lstat(path.toLocal8Bit().constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

class Simulator {
public:
    Simulator(const QString& folder, const QByteArray& cpg, const QStringList& options)
        : link_(folder + "/radio") {
        const QString image = folder + "/radio-image.cpg";
        QFile f(image);
        f.open(QIODevice::WriteOnly);
        f.write(cpg);
        f.close();
        // A test program that crashes takes its simulated radio with it.
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process_.start(QStringLiteral(VANTRELCTL_PATH),
                       QStringList{"simulate", "--image", image, "--link", link_} + options);
        // A fleet (--count N) is up once its last radio's link is there.
        const int count = options.indexOf("--count");
        const QString last = count >= 0 && count + 1 < options.size() ? link_ + options[count + 1] : link_;
        for (int n = 0; n < 500 && !IsSymlink(last); ++n) QThread::msleep(10);
    }
    ~Simulator() { stop(); }
    const QString& link() const { return link_; }
    bool ready() const { return IsSymlink(link_); }
    void stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        process_.waitForFinished(5000);
    }
    void kill() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    QString log() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QString link_;
    QProcess process_;
};

inline QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace vantrel::link::e2e
