// vantrelctl write and read against vantrelctl simulate over the lines met in
// the field: a cable that echoes, late or at once, and a radio that answers at
// once; and the serial trace of a transfer.
#include <QRegularExpression>

#include "E2eRig.h"

namespace vantrel::link::e2e {
namespace {

QByteArray DataFile(const char* name) {
    return Contents(QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/") + name);
}

// A default codeplug with its priority channel changed, so that the write
// visibly changes the radio.
QByteArray ChangedCodeplug() {
    QList<QByteArray> lines = DataFile("U2_EMEA.cpg").split('\n');
    lines[1 + 14] = " 3 \r";
    return lines.join('\n');
}

TEST(LinesEndToEnd, WriteAndReadBackAreByteIdenticalOnEveryLine) {
    const QStringList rows[] = {
        {"--echo"},
        {"--echo", "--pace"},
        {"--echo-delay", "30", "--reaction", "0"},
        {"--reaction", "0"},
    };
    for (const QStringList& row : rows) {
        SCOPED_TRACE(row.join(' ').toStdString());
        QTemporaryDir dir;
        const QString program = dir.filePath("program.cpg");
        QFile f(program);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ChangedCodeplug());
        f.close();
        Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"), row);
        ASSERT_TRUE(radio.ready());
        const CtlRun w = Ctl({"write", "--port", radio.link(), program});
        EXPECT_EQ(w.exitCode, 0) << w.err.toStdString();
        const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("back.cpg")});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(Contents(dir.filePath("back.cpg")), ChangedCodeplug());
        radio.stop();
        EXPECT_FALSE(radio.log().contains("line error"));
    }
}

TEST(LinesEndToEnd, TraceShowsEveryByteWithItsTimeAndStep) {
    QTemporaryDir dir;
    Simulator radio(dir.path(), PatternCpg(), {"--echo"});
    ASSERT_TRUE(radio.ready());
    const QString trace = dir.filePath("trace.txt");
    const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("out.cpg"), "--trace", trace});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString text = QString::fromLatin1(Contents(trace));
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    // Header (with the line on the hidden password), the port, the
    // exchange's steps, and 48 acknowledgements with their echoes at least.
    EXPECT_GT(lines.size(), 200);
    EXPECT_TRUE(lines.value(2).startsWith("# the radio password is not shown")) << lines.value(2).toStdString();
    EXPECT_TRUE(lines.value(3).contains(radio.link())) << lines.value(3).toStdString();
    const QStringList wanted = {
        "--  read begins",
        "->  52  [SendByte 0x52]",
        "->  00  [SendByte 0x52]",
        "<-  52 00",  // the echo, then the identity, in one read or two
        "--  the cable echoes",
        "->  4F  [SendByte 0x4F]",
        "--  read ends: success",
    };
    for (const QString& w : wanted) EXPECT_TRUE(text.contains(w)) << w.toStdString();
    // Every line after the header starts with its time in milliseconds.
    static const QRegularExpression stamp(QStringLiteral("^ *\\d+\\.\\d  "));
    for (const QString& line : lines.mid(3)) EXPECT_TRUE(stamp.match(line).hasMatch()) << line.toStdString();

    const CtlRun bad = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("out2.cpg"), "--trace",
                            dir.filePath("no-such-folder/trace.txt")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("cannot write the trace")) << bad.err.toStdString();
}

}  // namespace
}  // namespace vantrel::link::e2e
