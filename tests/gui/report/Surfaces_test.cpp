#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdlib>

#include "report/PageFiles.h"
#include "report/PrinterFacts.h"
#include "report/clsMultiPgPreview.h"
#include "report/print/OffscreenPreview.h"
#include "report/print/PrinterSurface.h"

namespace vantrel::report {
namespace {

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(SurfaceFonts, ArialAndTimesResolveToLiberation) {
    EXPECT_EQ(QFontInfo(ToQFont({"Arial", 10})).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(ToQFont({"Times New Roman", 10})).family(), "Liberation Serif");
    EXPECT_EQ(ToDrawnText("\xC2\xB7", {"Symbol", 10}), QString(QChar(0x2022)));
    EXPECT_EQ(ToDrawnText("\xC2\xB7", {"Arial", 10}), QString(QChar(0xB7)));
}

TEST(PrinterSurface, PdfCarriesTheTextOfEveryPageInLiberationFonts) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);

    PrinterSurface s(printer);
    ASSERT_TRUE(s.begin());
    s.setScaleMode(kInches);
    EXPECT_NEAR(s.scaleWidth(), printer.pageLayout().paintRect(QPageLayout::Inch).width(), 1e-2);
    s.font = {"Arial", 14, true};
    s.currentX = 0.5;
    s.currentY = 0.5;
    s.print("Vantrel CPS Data Report", false);
    EXPECT_NEAR(s.currentY - 0.5, 14 / 72.0 * 1.15, 0.05);   // one line of 14 points
    s.line(0.5, 1.0, 7.5, 1.0);
    ASSERT_TRUE(s.newPage());
    s.font = {"Times New Roman", 10};
    s.print("Second page", false);
    ASSERT_TRUE(s.end());

    const QString text = RunTool("pdftotext", {"-layout", pdf, "-"});
    const QStringList pages = text.split('\f');
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Vantrel CPS Data Report")) << text.toStdString();
    EXPECT_TRUE(pages[1].contains("Second page")) << text.toStdString();
    const QString fonts = RunTool("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains("LiberationSans-Bold")) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains("LiberationSerif")) << fonts.toStdString();
}

TEST(ImageSurface, EnginePageFileRoundTrip) {
    QTemporaryDir parent;
    qputenv("XDG_RUNTIME_DIR", parent.path().toUtf8());
    FixedPrinter printer;
    OffscreenPreview preview;
    ColumnShift columns;
    clsMultiPgPreview engine(printer, preview, columns);
    engine.pStartDoc();
    engine.pBox(1.0f, 1.0f, 2.0f, 1.0f, kBlack, kBlack, 0);
    engine.FontName("Arial");
    engine.FontSize(10);
    engine.CurrentY(3.0f);
    engine.pPrint("Model Number : ", 0.5f);
    EXPECT_NEAR(engine.CurrentY(), 3.0f + 10 / 72.0f * 1.15f, 0.03);
    EXPECT_NEAR(engine.GetTextWidth("Model Number : "), 1.0, 0.25);
    engine.pEndDoc();

    const std::string page0 = PageFilePath(engine.tempFolder(), 0);
    QImage saved;
    ASSERT_TRUE(saved.load(QString::fromStdString(page0), "BMP"));
    // 8.25 x 10.75 inches at 96 dpi, the page mapped onto 8.0 x 10.5 units.
    EXPECT_EQ(saved.width(), 792);
    EXPECT_EQ(saved.height(), 1032);
    const double px = 792 / 8.0, py = 1032 / 10.5;
    EXPECT_EQ(saved.pixelColor(int(2.0 * px), int(1.5 * py)), QColor(Qt::black));
    EXPECT_EQ(saved.pixelColor(int(5.0 * px), int(1.5 * py)), QColor(Qt::white));
    EXPECT_TRUE(preview.pageShown);
    EXPECT_EQ(preview.surface.image().size(), saved.size());
    EXPECT_EQ(DeletePageFiles(engine.tempFolder()), 0);
}

}  // namespace
}  // namespace vantrel::report
