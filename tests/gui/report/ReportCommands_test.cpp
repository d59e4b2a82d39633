#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "codeplug/ByteMap.h"
#include "gui/report/CodeplugReport.h"
#include "gui/report/frmMultiPgPreview.h"
#include "support/ScriptedPrompts.h"

namespace vantrel::report {
namespace {

namespace bm = vantrel::bytemap;

TEST(ReportCommands, PreviewSwitchesToInchesEvenWithTheToolbarButtonDown) {
    QTemporaryDir parent;
    qputenv("XDG_RUNTIME_DIR", parent.path().toUtf8());
    AppState state;
    test::ScriptedPrompts prompts;
    const ReportSource source = [] { return ReportContent{}; };

    state.toolbarButtonDown = true;
    QTimer::singleShot(0, [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<frmMultiPgPreview*>(top); p && p->isVisible())
                p->findChild<QAbstractButton*>("cmd_quit")->click();
    });
    RunPreviewCommand(state, prompts, source);
    EXPECT_TRUE(state.printerInInches);
    EXPECT_EQ(prompts.printerDialogs, 0);
}

}  // namespace
}  // namespace vantrel::report
