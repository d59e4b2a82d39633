#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/report/ReportCommands.h"
#include "gui/report/frmMultiPgPreview.h"

namespace vantrel::test {
namespace {

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(EditorReport, PrintAndPreviewCommandsReportTheEditorsValues) {
    EditorFixture f;
    qputenv("XDG_RUNTIME_DIR", f.dir.path().toUtf8());
    report::InstallReportCommands(*f.main);
    f.startUp();
    f.load(sampleImage());

    const QString pdf = f.dir.filePath("report.pdf");
    f.prompts.onPrinterDialog = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    f.main->menuAction("mnuFilePrint")->trigger();
    ASSERT_EQ(f.prompts.printerDialogs, 1);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("PYW37ENV5RT3")) << text.toStdString();
    EXPECT_TRUE(text.contains("Time Out Timer (TOT)"));
    EXPECT_TRUE(text.contains(QRegularExpression("\\n\\s*16\\s")));
    EXPECT_FALSE(f.state.printerInInches);

    bool previewShown = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<report::frmMultiPgPreview*>(top); p && p->isVisible()) {
                previewShown = true;
                p->findChild<QAbstractButton*>("cmd_quit")->click();
            }
    });
    f.main->menuAction("mnuFilePrintPreview")->trigger();
    EXPECT_TRUE(previewShown);
    EXPECT_TRUE(f.state.printerInInches);
}

// The report takes what the editor shows, a box's text not yet committed
// included.
TEST(EditorReport, TheReportTakesWhatTheEditorShows) {
    EditorFixture f;
    f.startUp();
    f.load(sampleImage());
    f.editor().userTpl()->box(false, 0)->setText("100.0");
    f.editor().grid()->StepSwitch(3, kColBclo);
    const report::ReportContent c = report::ReportContentFromEditor(f.editor());
    EXPECT_EQ(c.modelNumber, f.editor().radioInfo()->modelLabel()->text().toStdString());
    EXPECT_EQ(c.tplRxFrequency[0], "100.0");
    EXPECT_EQ(c.grid[2][kColBclo - 1], f.editor().grid()->cellText(3, kColBclo).toStdString());
    EXPECT_EQ(c.shortPress1, f.editor().buttons()->shortList(0)->currentIndex());
    EXPECT_EQ(c.prioScanChNo, f.editor().scanList()->priorityBox()->text().toStdString());
    EXPECT_EQ(c.editorChannelCount, 16);
}

}  // namespace
}  // namespace vantrel::test
