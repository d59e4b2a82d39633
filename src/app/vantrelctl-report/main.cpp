// vantrelctl-report, run by `vantrelctl report FILE.cpg -o REPORT.pdf
// [--twips] [--page PAGE.bmp]`: prints the codeplug report of a data file
// into a PDF, as File > Print would with the editor showing that file: in
// inches like a print after a preview, or with --twips in the design used
// before any preview. --page also draws the preview page through the print
// engine and keeps it as an image. A program of its own so that the other
// commands never load Qt Gui.
#include <QGuiApplication>
#include <QMessageLogContext>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPrinter>

#include <cstdlib>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ReportCommand.h"
#include "codeplug/AppState.h"
#include "report/PageFiles.h"
#include "report/PrinterFacts.h"
#include "report/ReportFromImage.h"
#include "report/ReportLayout.h"
#include "report/clsMultiPgPreview.h"
#include "report/print/OffscreenPreview.h"
#include "report/print/PrinterSurface.h"
#include "report/TextUtils.h"
#include "codeplug/CodeplugFile.h"

namespace {

using namespace vantrel::report;

bool PrintPdf(const ReportContent& content, const std::string& path, bool inches) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    PrinterSurface surface(printer);
    if (!surface.begin()) return false;
    DrawPrinterReport(surface, inches, content, Today());
    return surface.end();
}

// Saves the page in the format its name ends in, and as a bitmap, like the
// preview's own page files, when the name ends in none ("page", "page.img").
// Empty on success, else the reason.
std::string SavePage(const QImage& page, const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QByteArray suffix = QFileInfo(name).suffix().toLower().toLatin1();
    QImageWriter writer(name, QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray("bmp"));
    return writer.write(page) ? "" : writer.errorString().toStdString();
}

// The preview page as the engine draws it, kept at `path`. Empty on success,
// else the reason.
std::string PreviewPage(const ReportContent& content, const std::string& path) {
    FixedPrinter printer;
    OffscreenPreview preview;
    ColumnShift columns;
    clsMultiPgPreview engine(printer, preview, columns);
    engine.pStartDoc();
    DrawPreviewReport(engine, columns, content, Today());
    engine.pEndDoc(0);
    const std::string failure = preview.pageShown ? SavePage(preview.surface.image(), path) : "no page was drawn";
    DeletePageFiles(engine.tempFolder());
    return failure;
}

QtMessageHandler qtMessages = nullptr;

// Qt's platform start-up looks for a sandbox marker in the runtime folder and
// warns when XDG_RUNTIME_DIR is unset; the report never uses that folder.
void WithoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    qtMessages(type, context, message);
}

int PrintReportCommand(int argc, char** argv) {
    using namespace vantrelctl;
    Args args;
    if (const auto done = ParseCommand(kReportCommand, argc, argv, args)) return *done;
    const std::string file = args.operands().front();
    const std::string output = args.value("-o");
    const std::string page = args.value("--page");
    for (const std::string& target : {output, page})
        if (const std::string reason = target.empty() ? "" : CannotWrite(target); !reason.empty())
            return Fail("cannot write '" + target + "': " + reason);

    // Fonts need a GUI application; without a display it runs offscreen.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(WithoutRuntimeFolderWarning);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    vantrel::AppState state;
    const vantrel::CodeplugFileLoad load = vantrel::CopyToBox(state.image, file);
    if (!load.ok()) return Fail(load.error);
    const ReportContent content = ReportContentFromImage(state);
    if (!PrintPdf(content, output, !args.has("--twips"))) return Fail("cannot write '" + output + "'");
    if (page.empty()) return 0;
    if (const std::string failure = PreviewPage(content, page); !failure.empty())
        return Fail("cannot write '" + page + "': " + failure);
    return 0;
}

}  // namespace

// Run by vantrelctl as `vantrelctl-report report FILE.cpg ...`.
int main(int argc, char** argv) {
    return vantrelctl::RunCommandLine({{&vantrelctl::kReportCommand, PrintReportCommand}}, argc, argv);
}
