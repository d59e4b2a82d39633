#pragma once
// The codeplug report's two entry points: the preview through the engine into
// the preview window, and the printout on the printer chosen in the printer
// dialog.
#include <functional>

#include "codeplug/AppState.h"
#include "gui/common/Prompts.h"
#include "report/ReportContent.h"

class QPrinter;

class QWidget;

namespace vantrel::report {

// Takes the report's values at the moment it is drawn.
using ReportSource = std::function<ReportContent()>;

// Draws the page through a fresh engine and shows the preview modally; the
// preview's Print button closes it and prints. A failing drawing step ends
// the preview quietly (the engine and the window are released, the page
// files removed). The preview command sets printerInInches before calling.
// opened, when given, is told the preview window before it shows.
void PreviewReport(AppState& state, Prompts& prompts, const ReportSource& source,
                   const std::function<void(QWidget*)>& opened = {});

// Printer dialog, then one printer document per copy, in inches when
// printerInInches is set and in twips otherwise. A cancelled dialog or a
// printer failure ends it quietly. Returns the number of documents ended.
int PrintReport(AppState& state, Prompts& prompts, const ReportSource& source);

// The Print Preview command (after the pending grid edit has been committed):
// the engine leaves the printer in inches, so later printouts use the inch
// design; it runs even while the toolbar's button is held down.
void RunPreviewCommand(AppState& state, Prompts& prompts, const ReportSource& source,
                       const std::function<void(QWidget*)>& opened = {});

}  // namespace vantrel::report
