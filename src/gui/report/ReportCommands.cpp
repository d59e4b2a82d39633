#include "gui/report/ReportCommands.h"

#include "gui/codeplug/frmMain.h"
#include "gui/report/CodeplugReport.h"
#include "gui/shell/MDIFormMain.h"
#include "report/ReportFromImage.h"

namespace vantrel::report {

ReportContent ReportContentFromEditor(frmMain& editor) {
    return ReportContentFromModel(editor.model());
}

void InstallReportCommands(MDIFormMain& window) {
    using Command = MDIFormMain::Command;
    MDIFormMain* w = &window;
    const ReportSource source = [w] { return ReportContentFromEditor(*w->editor()); };
    window.setCommand(Command::PrintPreview, [w, source] {
        RunPreviewCommand(w->state(), w->prompts(), source,
                          [w](QWidget* preview) { w->setCompanion(MDIFormMain::Companion::Preview, preview); });
    });
    window.setCommand(Command::Print, [w, source] { PrintReport(w->state(), w->prompts(), source); });
}

}  // namespace vantrel::report
