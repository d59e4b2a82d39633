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
#include "report/widgets/CodeplugReport.h"
#include "report/widgets/ReportFromForm.h"
#include "report/widgets/frmMultiPgPreview.h"
#include "support/ScriptedPrompts.h"

namespace vantrel::report {
namespace {

namespace bm = vantrel::bytemap;

template <typename T>
T* Named(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

TEST(ReportFromForm, ReadsTheEditorControlsByName) {
    QWidget form;
    Named<QLabel>(&form, "lblModel")->setText("GXW37MKV5RT3");
    Named<QCheckBox>(&form, "chkTotEnable")->setChecked(true);
    Named<QCheckBox>(&form, "chkScanEnable");
    Named<QLineEdit>(&form, "txtScanSpeedTime")->setText("350");
    for (int i = 0; i < 3; ++i) {
        auto* rx = Named<QLineEdit>(&form, "txtTPL_RxFrequency");
        rx->setProperty("index", 2 - i);
        rx->setText(QString("%1.0").arg(100 + (2 - i)));
    }
    auto* s1 = Named<QComboBox>(&form, "cmbButton_S1");
    s1->addItems({"Hi/Low Power", "Volume Set", "Monitor"});
    s1->setCurrentIndex(2);
    auto* grid = Named<QTableWidget>(&form, "fgChannel");
    grid->setRowCount(9);
    grid->setColumnCount(14);
    grid->setItem(1, 1, new QTableWidgetItem("462.56250"));   // row 1 is channel 1
    grid->setItem(8, 13, new QTableWidgetItem("On"));

    CodeplugImage image;
    image.setByte(bm::ModelIndex, 4);
    image.setByte(bm::ChannelCount, 8);
    image.setByte(bm::ButtonCodeL1, 4);
    image.setByte(bm::scanSlot(5), 3);

    const ReportContent c = ReportContentFromForm(form, image);
    EXPECT_EQ(c.modelNumber, "GXW37MKV5RT3");
    EXPECT_TRUE(c.totEnable);
    EXPECT_FALSE(c.scanEnable);
    EXPECT_EQ(c.scanSpeedTime, "350");
    EXPECT_EQ(c.tplRxFrequency[0], "100.0");
    EXPECT_EQ(c.tplRxFrequency[2], "102.0");
    EXPECT_EQ(c.shortPress1, 2);
    EXPECT_EQ(c.shortPress2, -1);   // no such list
    EXPECT_EQ(c.longPressCode1, 4);
    EXPECT_EQ(c.editorChannelCount, 8);
    EXPECT_EQ(c.grid[0][0], "462.56250");
    EXPECT_EQ(c.grid[7][12], "On");
    EXPECT_TRUE(c.inScanList[4]);
}

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
