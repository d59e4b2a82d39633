// vantrelctl fleet write against simulated radios on ptys, paced at 1200
// baud: radios run side by side in one job, so each test takes about as long
// as one radio does.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <csignal>

#include "link/e2e/E2eRig.h"

namespace vantrel::link::e2e {
namespace {

QByteArray DataFile(const char* name) { return Contents(QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/") + name); }

// The 384 byte values of a data file.
std::vector<int> Bytes(const QByteArray& cpg) {
    std::vector<int> out;
    const QList<QByteArray> lines = cpg.split('\n');
    for (int n = 1; n < lines.size() && out.size() < 384; ++n) out.push_back(lines[n].trimmed().toInt());
    return out;
}

// The default codeplug with priority channel 3, as a file to write.
QString ProgramFile(const QTemporaryDir& dir) {
    QList<QByteArray> lines = DataFile("U2_EMEA.cpg").split('\n');
    lines[1 + 14] = " 3 \r";
    QFile f(dir.filePath("program.cpg"));
    f.open(QIODevice::WriteOnly);
    f.write(lines.join('\n'));
    return f.fileName();
}

QStringList Ports(const QStringList& links) {
    QStringList out;
    for (const QString& l : links) out << "--port" << l;
    return out;
}

// The ports of the --json summary, by port.
QMap<QString, QJsonObject> Results(const QByteArray& json) {
    QMap<QString, QJsonObject> out;
    for (const QJsonValue& v : QJsonDocument::fromJson(json).object()["ports"].toArray())
        out[v.toObject()["port"].toString()] = v.toObject();
    return out;
}

struct FleetRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

FleetRun Fleet(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VANTRELCTL_PATH), QStringList{"fleet", "write"} + args);
    FleetRun r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(FleetEndToEnd, EightRadiosWrittenAndVerifiedEachKeepingItsSerialNumber) {
    QTemporaryDir dir;
    const QString program = ProgramFile(dir);
    Simulator radios(dir.path(), DataFile("U2_EMEA.cpg"),
                     {"--pace", "--count", "8", "--save", dir.filePath("now.cpg")});
    QStringList links;
    for (int n = 1; n <= 8; ++n) links << radios.link() + QString::number(n);
    for (int n = 0; n < 500 && !IsSymlink(links.last()); ++n) QThread::msleep(10);

    const FleetRun run = Fleet(QStringList{program, "--verify", "--json"} + Ports(links));
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const auto results = Results(run.out);
    const std::vector<int> sent = Bytes(Contents(program));
    for (int n = 1; n <= 8; ++n) {
        const QString serial = QString("SIM%1").arg(n, 3, 10, QChar('0'));
        const QJsonObject port = results[links[n - 1]];
        EXPECT_EQ(port["state"].toString(), "succeeded");
        EXPECT_EQ(port["serialNumber"].toString(), serial);
        EXPECT_EQ(port["result"].toString(),
                  "Successfully Writing End. Verified: the radio holds every byte written.");
        // The radio holds the file's bytes, with its own serial number.
        std::vector<int> expected = sent;
        for (int k = 0; k < 10; ++k) expected[336 + k] = k < serial.size() ? serial[k].unicode() : 0;
        EXPECT_EQ(Bytes(Contents(dir.filePath(QString("now%1.cpg").arg(n)))), expected) << n;
    }
}

TEST(FleetEndToEnd, FailingRadiosFailWithTheirTextsAndTheOthersGoOn) {
    QTemporaryDir dir;
    const QString program = ProgramFile(dir);
    QTemporaryDir otherDir, silentDir, pulledDir;
    Simulator good(dir.path(), DataFile("U2_EMEA.cpg"), {"--pace", "--count", "2"});
    Simulator other(otherDir.path(), DataFile("V2_EMEA.cpg"), {"--pace"});
    Simulator silent(silentDir.path(), DataFile("U2_EMEA.cpg"), {"--pace", "--silent-at", "1"});
    Simulator pulled(pulledDir.path(), DataFile("U2_EMEA.cpg"), {"--pace"});
    const QStringList links{good.link() + "1", good.link() + "2", other.link(), silent.link(), pulled.link()};
    for (int n = 0; n < 500 && !IsSymlink(links[1]); ++n) QThread::msleep(10);

    QProcess job;
    job.start(QStringLiteral(VANTRELCTL_PATH), QStringList{"fleet", "write", program, "--json"} + Ports(links));
    ASSERT_TRUE(job.waitForStarted());
    QThread::msleep(3000);  // the read is under way: then the cable comes out
    pulled.kill();
    ASSERT_TRUE(job.waitForFinished(120000));
    EXPECT_EQ(job.exitCode(), 1);
    const auto results = Results(job.readAllStandardOutput());
    for (const QString& l : {links[0], links[1]})
        EXPECT_EQ(results[l]["result"].toString(), "Successfully Writing End.") << l.toStdString();
    EXPECT_EQ(results[links[2]]["result"].toString(), "Communication Error. Unsupported radio codeplug region.");
    EXPECT_EQ(results[links[2]]["operation"].toString(), "write");
    EXPECT_EQ(results[links[3]]["result"].toString(), "Communication Error. Please check Programming mode.");
    EXPECT_EQ(results[links[4]]["result"].toString(), "Communication Error. The cable was disconnected.");
    for (int n = 2; n < 5; ++n) EXPECT_EQ(results[links[n]]["state"].toString(), "failed");
}

TEST(FleetEndToEnd, CtrlCStopsEveryPortWithinATick) {
    QTemporaryDir dir;
    Simulator radios(dir.path(), DataFile("U2_EMEA.cpg"), {"--pace", "--count", "4"});
    QStringList links;
    for (int n = 1; n <= 4; ++n) links << radios.link() + QString::number(n);
    for (int n = 0; n < 500 && !IsSymlink(links.last()); ++n) QThread::msleep(10);

    QProcess job;
    job.start(QStringLiteral(VANTRELCTL_PATH),
              QStringList{"fleet", "write", ProgramFile(dir), "--verify", "--json"} + Ports(links));
    ASSERT_TRUE(job.waitForStarted());
    QThread::msleep(7000);  // about the start of the write's data blocks
    const auto start = std::chrono::steady_clock::now();
    ::kill(static_cast<pid_t>(job.processId()), SIGINT);
    ASSERT_TRUE(job.waitForFinished(5000));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // One tick is 200 ms; the process is gone, threads and all.
    EXPECT_LT(seconds, 0.4);
    EXPECT_EQ(job.exitCode(), 128 + SIGINT);
    const QByteArray out = job.readAllStandardOutput();
    EXPECT_TRUE(QJsonDocument::fromJson(out).object()["stopped"].toBool()) << out.toStdString();
    for (const QJsonObject& port : Results(out)) {
        EXPECT_EQ(port["state"].toString(), "stopped");
        EXPECT_TRUE(port["result"].toString().startsWith("Stopped during the "))
            << port["result"].toString().toStdString();
    }
}

TEST(FleetEndToEnd, FileTheWriteWouldRefuseIsRefusedBeforeAnyPortOpens) {
    QTemporaryDir dir;
    // A receive TPL of 300 Hz: the editor empties its box and refuses the write.
    QList<QByteArray> lines = DataFile("U2_NAG.cpg").split('\n');
    lines[1 + 208] = " 184 \r";
    lines[1 + 209] = " 11 \r";
    QFile f(dir.filePath("bad.cpg"));
    f.open(QIODevice::WriteOnly);
    f.write(lines.join('\n'));
    f.close();
    Simulator radio(dir.path(), DataFile("U2_NAG.cpg"), {});
    const FleetRun run = Fleet({f.fileName(), "--port", radio.link()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("vantrelctl fleet write: Invalid Frequency")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    radio.stop();
    EXPECT_FALSE(radio.log().contains("completed"));
}

// A pattern codeplug without a serial number (ten 0xFF bytes).
QByteArray NoSerial(int seed) {
    QList<QByteArray> lines = PatternCpg(seed).split('\n');
    for (int k = 0; k < 10; ++k) lines[1 + 336 + k] = " 255 \r";
    return lines.join('\n');
}

TEST(FleetEndToEnd, FleetReadStoresEachRadioUnderItsSerialNumber) {
    QTemporaryDir dir, plainDir;
    Simulator fleet(dir.path(), NoSerial(7), {"--count", "2"});
    Simulator plain(plainDir.path(), NoSerial(9), {});
    const QString out = dir.filePath("radios");
    QDir().mkdir(out);
    const CtlRun run = Ctl({"fleet", "read", "--port", fleet.link() + "1", "--port", fleet.link() + "2", "--port",
                            plain.link(), "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList files = QDir(out).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{"SIM001.cpg", "SIM002.cpg", "radio.cpg"}));
    // The radio without a serial number is stored exactly as it was read.
    EXPECT_EQ(Contents(out + "/radio.cpg"), NoSerial(9));
    std::vector<int> first = Bytes(NoSerial(7));
    for (int k = 0; k < 10; ++k) first[336 + k] = k < 6 ? QByteArray("SIM001")[k] : 0;
    EXPECT_EQ(Bytes(Contents(out + "/SIM001.cpg")), first);
}

}  // namespace
}  // namespace vantrel::link::e2e
