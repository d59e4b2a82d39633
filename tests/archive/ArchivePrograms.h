#pragma once
// Programs run against a test's archive: vantrelctl and archive_writer, with
// VANTREL_ARCHIVE and XDG_DATA_HOME pointing at the test's own.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace vantrel::archive::test {

struct ProgramResult {
    int exitCode = -1;  // -1: crashed or timed out
    QString out;
    QString err;
};

inline QProcessEnvironment ArchiveEnvironment(const QString& choice, const QString& dataHome) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VANTREL_ARCHIVE", choice);
    env.insert("XDG_DATA_HOME", dataHome);
    env.insert("XDG_CONFIG_HOME", dataHome + "/config");
    return env;
}

inline ProgramResult RunWith(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                   int timeoutMs = 60000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    ProgramResult r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

inline ProgramResult Ctl(const QStringList& args, const QProcessEnvironment& env) {
    return RunWith(QStringLiteral(VANTRELCTL_PATH), args, env);
}

}  // namespace vantrel::archive::test
