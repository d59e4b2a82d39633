#include "gui/report/CodeplugReport.h"

#include <QCoreApplication>
#include <QPrinter>

#include <ctime>
#include <memory>

#include "gui/report/QtPrinterFacts.h"
#include "gui/report/frmMultiPgPreview.h"
#include "report/PageFiles.h"
#include "report/ReportLayout.h"
#include "report/TextUtils.h"
#include "report/clsMultiPgPreview.h"
#include "report/print/PrinterSurface.h"

namespace vantrel::report {

namespace {

// Printing needs a printer the system can drive; without one (none installed,
// or the chosen one gone) the user is told instead of nothing happening.
void tellPrinterFailed(Prompts& prompts, const QPrinter& printer) {
    const QString name = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                         : printer.printerName();
    prompts.tell(name.isEmpty() ? QCoreApplication::translate(
                                      "CodeplugReport", "The report could not be printed: no printer is available.")
                                : QCoreApplication::translate("CodeplugReport",
                                                              "The report could not be printed on \"%1\".")
                                      .arg(name),
                 QStringLiteral("Vantrel CPS"), Prompts::Icon::Exclamation);
}

}  // namespace

void PreviewReport(AppState& state, Prompts& prompts, const ReportSource& source,
                   const std::function<void(QWidget*)>& opened) {
    QPrinter printer;
    QtPrinterFacts facts(printer);
    auto window = std::make_unique<frmMultiPgPreview>();
    if (opened) opened(window.get());
    bool printRequested = false;
    window->setPrintHandler([&] { printRequested = true; });
    ColumnShift columns;
    {
        clsMultiPgPreview engine(facts, *window, columns);
        try {
            engine.pStartDoc();
            DrawPreviewReport(engine, columns, source(), Today());
            engine.pEndDoc(1);
        } catch (const std::exception& e) {
            DeletePageFiles(engine.tempFolder());
            prompts.tell(QCoreApplication::translate("CodeplugReport", "The print preview could not be made: %1")
                             .arg(QString::fromUtf8(e.what())),
                         QStringLiteral("Vantrel CPS"), Prompts::Icon::Exclamation);
        }
        // The printout runs after the window has closed and removed the
        // page files, before the engine is released.
        if (printRequested) PrintReport(state, prompts, source);
    }
}

int PrintReport(AppState& state, Prompts& prompts, const ReportSource& source) {
    QPrinter printer(QPrinter::HighResolution);
    if (!prompts.printerDialog(printer)) return 0;
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);   // every copy is its own document
    const ReportContent content = source();
    const std::tm date = Today();
    int ended = 0;
    for (int copy = 0; copy < copies; ++copy) {
        PrinterSurface surface(printer);
        if (!surface.begin()) {
            tellPrinterFailed(prompts, printer);
            break;
        }
        DrawPrinterReport(surface, state.printerInInches, content, date);
        if (!surface.end()) {
            tellPrinterFailed(prompts, printer);
            break;
        }
        ++ended;
    }
    return ended;
}

void RunPreviewCommand(AppState& state, Prompts& prompts, const ReportSource& source,
                       const std::function<void(QWidget*)>& opened) {
    state.printerInInches = true;
    PreviewReport(state, prompts, source, opened);
}

}  // namespace vantrel::report
