// vantrelctl resolves Com1..Com8 as the program does (same settings file, same
// VANTREL_COMn) and says why a port cannot be opened.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "E2eRig.h"
#include "link/serial/PortResolver.h"

namespace vantrel::link::e2e {
namespace {

struct CtlResult {
    int exitCode = -1;
    QString out, err;
};

CtlResult CtlWithEnv(const QStringList& args, const QProcessEnvironment& env, const QString& folder = {}) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(VANTRELCTL_PATH), args);
    CtlResult r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(CtlPorts, ListsThePortsOfTheProgramsSettingsAndTellsWhyOneFails) {
    QTemporaryDir config;
    // The program's per-user settings file, where the Comm Port overrides live.
    const QString folder = config.filePath(QString::fromLatin1(kSettingsOrganization));
    QDir().mkpath(folder);
    QFile settings(folder + "/" + QString::fromLatin1(kSettingsApplication) + ".conf");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Ports]\nCom5=/dev/vantrel-none\n");
    settings.close();

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ::grantpt(master);
    ::unlockpt(master);
    const QString pty = QString::fromLocal8Bit(::ptsname(master));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("VANTREL_COM2", pty);

    const CtlResult list = CtlWithEnv({"ports"}, env);
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_TRUE(list.out.contains("Com2  " + pty + "  (VANTREL_COM2)  can open: yes\n")) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains("Com5  /dev/vantrel-none  (setting Ports/Com5)  can open: no such device\n"))
        << list.out.toStdString();
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(list.out.contains(QStringLiteral("Com%1  ").arg(n))) << n;

    const CtlResult read = CtlWithEnv({"read", "--port", "Com5", "-o", config.filePath("out.cpg")}, env);
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_EQ(read.err, "vantrelctl: cannot open port 'Com5' (/dev/vantrel-none)\n"
                        "Comm. Port Unavailable !\n\nPlease Change the Port selection.\n\n"
                        "/dev/vantrel-none: no such device.\nIs the programming cable plugged in?\n")
        << read.err.toStdString();
    EXPECT_FALSE(QFile::exists(config.filePath("out.cpg")));
    ::close(master);
}

// A bare name that exists in the current folder (the link of a simulated
// radio started there) is that file, for the port list and for a read alike.
TEST(CtlPorts, ABareNameInTheCurrentFolderIsThatFile) {
    QTemporaryDir dir;
    Simulator radio(dir.path(), PatternCpg(), {});
    ASSERT_TRUE(radio.ready());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.path());
    env.insert("VANTREL_COM2", "radio");

    const CtlResult list = CtlWithEnv({"ports"}, env, dir.path());
    EXPECT_TRUE(list.out.contains("Com2  radio  (VANTREL_COM2)  can open: yes\n")) << list.out.toStdString();
    for (const QString port : {"radio", "Com2"}) {
        SCOPED_TRACE(port.toStdString());
        const CtlResult read = CtlWithEnv({"read", "--port", port, "-o", "out.cpg"}, env, dir.path());
        EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
        EXPECT_EQ(Contents(dir.filePath("out.cpg")), PatternCpg());
        QFile::remove(dir.filePath("out.cpg"));
    }
}

// A ComN with no device behind it is named alone, without an empty "()".
TEST(CtlPorts, APortWithNoDeviceIsNamedAlone) {
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    const CtlResult list = CtlWithEnv({"ports"}, env);
    const QRegularExpression none(QStringLiteral("^(Com[1-8])  none$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch unused = none.match(list.out);
    if (!unused.hasMatch()) GTEST_SKIP() << "every Com port has a device here";
    const QString port = unused.captured(1);

    const CtlResult read = CtlWithEnv({"read", "--port", port, "-o", config.filePath("out.cpg")}, env);
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(read.err.startsWith("vantrelctl: cannot open port '" + port + "'\nComm. Port Unavailable !\n"))
        << read.err.toStdString();
}

}  // namespace
}  // namespace vantrel::link::e2e
