#include "report/widgets/ReportCommands.h"

#include "codeplug/widgets/frmMain.h"
#include "report/widgets/CodeplugReport.h"
#include "report/widgets/ReportFromForm.h"
#include "shell/widgets/MDIFormMain.h"

namespace vantrel::report {

void InstallReportCommands(MDIFormMain& window) {
    using Command = MDIFormMain::Command;
    MDIFormMain* w = &window;
    const ReportSource source = [w] { return ReportContentFromForm(*w->editor(), w->state().image); };
    window.setCommand(Command::PrintPreview,
                      [w, source] { RunPreviewCommand(w->state(), w->prompts(), source); });
    window.setCommand(Command::Print, [w, source] { PrintReport(w->state(), w->prompts(), source); });
}

}  // namespace vantrel::report
