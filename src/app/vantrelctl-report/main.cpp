// vantrelctl-report, run by `vantrelctl report FILE.cpg -o REPORT.pdf
// [--twips] [--page PAGE.bmp]`: prints the codeplug report of a data file
// into a PDF, as File > Print would with the editor showing that file: in
// inches like a print after a preview, or with --twips in the design used
// before any preview. --page also draws the preview page through the print
// engine and keeps it as an image. A program of its own so that the other
// commands never load Qt Gui. Both outputs are written as the data files
// are (whole or not at all), or into a stream ("-", a pipe, a device); their
// names are used byte for byte, whatever their encoding.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QMessageLogContext>
#include <QImage>
#include <QImageWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "base/OutputFile.h"
#include "cli/CommandLine.h"
#include "cli/ReportCommand.h"
#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "report/PageFiles.h"
#include "report/PrinterFacts.h"
#include "report/ReportFromImage.h"
#include "report/ReportLayout.h"
#include "report/TextUtils.h"
#include "report/clsMultiPgPreview.h"
#include "report/print/OffscreenPreview.h"
#include "report/print/PrinterSurface.h"

namespace {

using namespace vantrel::report;

// The PDF as the printer makes it, drawn into a file of a private temporary
// folder and checked before it replaces anything. Empty on failure.
QByteArray PrintPdf(const ReportContent& content, bool inches) {
    QTemporaryDir folder;
    if (!folder.isValid()) return {};
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrinterSurface surface(printer);
        if (!surface.begin()) return {};
        DrawPrinterReport(surface, inches, content, Today());
        if (!surface.end()) return {};
    }
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = pdf.readAll();
    // A printer that ran out of room leaves a file that is no whole PDF.
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF") ? bytes : QByteArray();
}

// The page in the format its name ends in, and as a bitmap, like the
// preview's own page files, when the name ends in none ("page", "page.img").
QByteArray EncodePage(const QImage& page, const std::string& path) {
    std::string suffix = std::filesystem::path(path).extension().string();
    if (!suffix.empty()) suffix.erase(0, 1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(), [](unsigned char c) { return std::tolower(c); });
    const QByteArray format = QByteArray::fromStdString(suffix);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QImageWriter::supportedImageFormats().contains(format) ? format : QByteArray("bmp"));
    return writer.write(page) ? bytes : QByteArray();
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
    std::string failure = preview.pageShown ? "" : "no page was drawn";
    if (failure.empty()) {
        const QByteArray bytes = EncodePage(preview.surface.image(), path);
        if (bytes.isEmpty()) failure = "the image could not be made";
        else vantrel::WriteOutput(path, bytes.toStdString(), &failure);
    }
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
        if (const std::string reason = target.empty() ? "" : CannotWrite(target, true); !reason.empty())
            return Fail("cannot write '" + target + "': " + reason);

    // Fonts need a GUI application, but the report shows nothing: it runs
    // offscreen, so that a display that cannot be reached (a stale DISPLAY
    // in ssh or cron) does not stop it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(WithoutRuntimeFolderWarning);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    vantrel::AppState state;
    const vantrel::CodeplugFileLoad load = vantrel::CopyToBox(state.image, file);
    if (!load.ok()) return Fail(load.error);
    const ReportContent content = ReportContentFromImage(state);
    const QByteArray pdf = PrintPdf(content, !args.has("--twips"));
    if (pdf.isEmpty()) return Fail("cannot write '" + output + "': the PDF could not be made");
    std::string error;
    if (!vantrel::WriteOutput(output, pdf.toStdString(), &error)) return Fail("cannot write '" + output + "': " + error);
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
