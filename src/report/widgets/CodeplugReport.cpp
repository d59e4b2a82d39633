#include "report/widgets/CodeplugReport.h"

#include <QPrinter>

#include <ctime>
#include <memory>

#include "report/PageFiles.h"
#include "report/ReportLayout.h"
#include "report/clsMultiPgPreview.h"
#include "report/widgets/PrinterSurface.h"
#include "report/widgets/QtPrinterFacts.h"
#include "report/widgets/frmMultiPgPreview.h"

namespace vantrel::report {

namespace {

std::tm Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

void PreviewReport(AppState& state, Prompts& prompts, const ReportSource& source) {
    QPrinter printer;
    QtPrinterFacts facts(printer);
    auto window = std::make_unique<frmMultiPgPreview>();
    bool printRequested = false;
    window->setPrintHandler([&] { printRequested = true; });
    ColumnShift columns;
    {
        clsMultiPgPreview engine(facts, *window, columns);
        try {
            engine.pStartDoc();
            DrawPreviewReport(engine, columns, source(), Today());
            engine.pEndDoc(1);
        } catch (const std::exception&) {
            DeletePageFiles(engine.tempFolder());
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
        if (!surface.begin()) break;
        DrawPrinterReport(surface, state.printerInInches, content, date);
        if (!surface.end()) break;
        ++ended;
    }
    return ended;
}

void RunPreviewCommand(AppState& state, Prompts& prompts, const ReportSource& source) {
    state.printerInInches = true;
    PreviewReport(state, prompts, source);
}

}  // namespace vantrel::report
