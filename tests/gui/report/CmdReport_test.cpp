#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "codeplug/ByteMap.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel {
namespace {

namespace bm = vantrel::bytemap;

QString RunTool(const QString& program, const QStringList& args, int* exitCode = nullptr) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode) *exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(VantrelctlReport, PrintsTheDataFileIntoAPdf) {
    QTemporaryDir dir;
    CodeplugImage image;
    image.setByte(bm::RadioType, 3);
    image.setByte(bm::ModelIndex, 4);   // eight channels
    image.setByte(bm::ButtonCodeS1, 12);   // no short-press position: nothing printed
    image.setByte(bm::scanSlot(3), 1);
    image.setByte(bm::scanSlot(10), 2);   // beyond channel 8
    const QString cpg = dir.filePath("radio.cpg");
    ASSERT_EQ(CopyToFile(image, "", cpg.toStdString()), "");

    const QString pdf = dir.filePath("report.pdf");
    const QString page = dir.filePath("page.bmp");
    int code = -1;
    RunTool(VANTRELCTL_PATH, {"report", cpg, "-o", pdf, "--page", page}, &code);
    ASSERT_EQ(code, 0);
    EXPECT_TRUE(QFile::exists(page));
    const QString text = RunTool("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("Vantrel CPS Data Report")) << text.toStdString();
    EXPECT_TRUE(text.contains("Conventional Personality"));
    EXPECT_TRUE(text.contains(QRegularExpression("\\n\\s*8\\s")));
    EXPECT_FALSE(text.contains(QRegularExpression("\\n\\s*9\\s")));
    EXPECT_TRUE(text.contains(QRegularExpression("Scan List :\\s+3\\s*\\n")));

    RunTool(VANTRELCTL_PATH, {"report", dir.filePath("missing.cpg"), "-o", pdf}, &code);
    EXPECT_EQ(code, 1);
    RunTool(VANTRELCTL_PATH, {"report", cpg}, &code);
    EXPECT_EQ(code, 2);
}

// --page keeps the page in the format its name ends in, and as a bitmap when
// the name ends in no image format, rather than failing after the PDF.
TEST(VantrelctlReport, KeepsThePageWhateverItsNameEndsIn) {
    QTemporaryDir dir;
    const QString cpg = QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_NAG.cpg");
    const struct {
        const char* name;
        QByteArray start;
    } rows[] = {{"page.bmp", "BM"}, {"page.png", "\x89PNG"}, {"page", "BM"}, {"my page.img", "BM"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString page = dir.filePath(row.name);
        int code = -1;
        RunTool(VANTRELCTL_PATH, {"report", cpg, "-o", dir.filePath("r.pdf"), "--page", page}, &code);
        EXPECT_EQ(code, 0);
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.read(4).startsWith(row.start));
    }
}

}  // namespace
}  // namespace vantrel
