// vantrelctl report FILE.cpg -o REPORT.pdf [--twips] [--page PAGE.bmp]:
// prints the codeplug report of a data file into a PDF, as File > Print would
// with the editor showing that file: in inches like a print after a preview,
// or with --twips in the design used before any preview. --page also
// draws the preview page through the print engine and keeps it as an image.
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "Commands.h"
#include "codeplug/AppState.h"
#include "report/PageFiles.h"
#include "report/PrinterFacts.h"
#include "report/ReportFromImage.h"
#include "report/ReportLayout.h"
#include "report/clsMultiPgPreview.h"
#include "report/widgets/OffscreenPreview.h"
#include "report/widgets/PrinterSurface.h"
#include "report/TextUtils.h"
#include "shell/CodeplugFile.h"

namespace vantrelctl {

namespace {

using namespace vantrel::report;

int usage() {
    std::fprintf(stderr, "usage: vantrelctl report FILE.cpg -o REPORT.pdf [--twips] [--page PAGE.bmp]\n");
    return 2;
}

bool PrintPdf(const ReportContent& content, const std::string& path, bool inches) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    PrinterSurface surface(printer);
    if (!surface.begin()) return false;
    DrawPrinterReport(surface, inches, content, Today());
    return surface.end();
}

// The preview page as the engine draws it, kept at `path`.
bool PreviewPage(const ReportContent& content, const std::string& path) {
    FixedPrinter printer;
    OffscreenPreview preview;
    ColumnShift columns;
    clsMultiPgPreview engine(printer, preview, columns);
    engine.pStartDoc();
    DrawPreviewReport(engine, columns, content, Today());
    engine.pEndDoc(0);
    const bool kept = preview.pageShown &&
                      preview.surface.image().save(QString::fromStdString(path));
    DeletePageFiles(engine.tempFolder());
    return kept;
}

}  // namespace

int CmdReport(int argc, char** argv) {
    const char* file = nullptr;
    const char* output = nullptr;
    const char* page = nullptr;
    bool inches = true;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-o") && i + 1 < argc)
            output = argv[++i];
        else if (!std::strcmp(argv[i], "--page") && i + 1 < argc)
            page = argv[++i];
        else if (!std::strcmp(argv[i], "--twips"))
            inches = false;
        else if (argv[i][0] == '-' || file)
            return usage();
        else
            file = argv[i];
    }
    if (!file || !output) return usage();

    // Fonts need a GUI application; without a display it runs offscreen.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    vantrel::AppState state;
    const vantrel::CodeplugFileLoad load = vantrel::CopyToBox(state.image, file);
    if (!load.ok()) {
        std::fprintf(stderr, "vantrelctl: %s\n", load.error.c_str());
        return 1;
    }
    const ReportContent content = ReportContentFromImage(state);
    if (!PrintPdf(content, output, inches)) {
        std::fprintf(stderr, "vantrelctl: cannot write %s\n", output);
        return 1;
    }
    if (page && !PreviewPage(content, page)) {
        std::fprintf(stderr, "vantrelctl: cannot write %s\n", page);
        return 1;
    }
    return 0;
}

}  // namespace vantrelctl
