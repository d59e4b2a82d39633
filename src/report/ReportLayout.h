#pragma once
// The two renderings of the one-page codeplug report: the preview drawn
// through the print engine, and the printout drawn straight on the printer.
#include <ctime>

#include "report/PageSurface.h"
#include "report/ReportContent.h"
#include "report/clsMultiPgPreview.h"

namespace vantrel::report {

// Draws the page on an open engine document (between pStartDoc and pEndDoc),
// in inches. `columns` is the engine's column-shift state.
void DrawPreviewReport(clsMultiPgPreview& engine, ColumnShift& columns,
                       const ReportContent& content, const std::tm& date);

// Draws one copy of the page on the printer: in inches when `inInches`
// (the engine has left the printer in inches after a preview), else in twips.
void DrawPrinterReport(PageSurface& printer, bool inInches, const ReportContent& content,
                       const std::tm& date);

}  // namespace vantrel::report
