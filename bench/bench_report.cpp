// Times the codeplug report: the preview page drawn through the engine into
// its BMP page file (and read back as the preview does), and one PDF print.
// Usage: bench_report [PAGE.png] — optionally keeps a copy of the page.
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "report/PageFiles.h"
#include "report/PrinterFacts.h"
#include "report/ReportLayout.h"
#include "report/clsMultiPgPreview.h"
#include "report/print/OffscreenPreview.h"
#include "report/print/PrinterSurface.h"

using namespace vantrel::report;

namespace {

ReportContent Sample() {
    ReportContent c;
    c.modelNumber = "VT-460-16";
    c.powerSaveEnable = c.scanEnable = c.totEnable = true;
    c.scanSpeedTime = "50";
    c.prioScanChNo = "1";
    c.scanDelayTime = "2000";
    c.lookBackTime = "500";
    c.totTime = "60";
    c.totPenaltyTime = "5";
    c.tplRxFrequency = c.tplTxFrequency = {"120.0", "200.0", "255.0"};
    c.shortPress1 = 2;
    c.longPressCode1 = 4;
    c.shortPress2 = 4;
    c.longPressCode2 = 11;
    c.imageChannelCount = c.editorChannelCount = 16;
    for (int i = 0; i < 16; ++i) {
        const std::string f = std::to_string(462 + i / 4) + ".5625" + std::to_string(i % 10);
        c.grid[i] = {f, "67.0", "Norm", "Off", f, "D023", "Hi", "Std", "Off", "180", "Off", "Wide", "Off"};
        c.inScanList[i] = i % 3 == 0;
    }
    return c;
}

template <typename F>
void Time(const char* what, int runs, F f) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-44s runs %3d  min %7.2f ms  median %7.2f ms  mean %7.2f ms\n", what, runs,
                ms.front(), ms[ms.size() / 2], sum / ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
    const ReportContent content = Sample();
    const std::time_t now = std::time(nullptr);
    std::tm date{};
    localtime_r(&now, &date);

    std::string folder;
    Time("preview page -> BMP page file -> read back", 30, [&] {
        FixedPrinter printer;
        OffscreenPreview preview;
        ColumnShift columns;
        clsMultiPgPreview engine(printer, preview, columns);
        engine.pStartDoc();
        DrawPreviewReport(engine, columns, content, date);
        engine.pEndDoc(1);
        folder = engine.tempFolder();
        if (!preview.pageShown) std::fprintf(stderr, "page file was not read back\n");
    });
    if (argc > 1) QImage(QString::fromStdString(PageFilePath(folder, 0))).save(argv[1]);
    DeletePageFiles(folder);

    const QString pdf = dir.filePath("report.pdf");
    Time("printed page -> PDF (QPrinter, 1200 dpi)", 10, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        PrinterSurface surface(printer);
        if (!surface.begin()) return;
        DrawPrinterReport(surface, true, content, date);
        surface.end();
    });
    return 0;
}
