#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "codeplug/CodeplugFile.h"
#include <gtest/gtest.h>

#include "gui/channels/ChannelGrid.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/shell/FileCommands.h"

namespace vantrel::test {
namespace {

// The editor shown on a file with a TPL channel, its layouts settled.
struct ShownEditor : EditorFixture {
    ShownEditor() {
        startUp();
        main->show();
        const QString file = QString::fromLatin1(VANTREL_TEST_DATA_DIR) + "/../data/V2_APAC.cpg";
        EXPECT_TRUE(CopyToBox(state.image, file.toStdString()).ok());
        load(state.image);
        editor().setEditorVisible(true);
        QCoreApplication::sendPostedEvents();
    }
    int textWidth(const QWidget* w, const QString& text) { return QFontMetrics(w->font()).horizontalAdvance(text); }
};

TEST(EditorLayout, EveryCaptionAndTimingValueOfTheFirstTabIsWhole) {
    ShownEditor f;
    f.editor().tabs()->setCurrentIndex(0);
    QCoreApplication::sendPostedEvents();
    QWidget* page = f.editor().tabs()->widget(0);
    for (QLabel* label : page->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty()) {
            EXPECT_GE(label->width(), f.textWidth(label, label->text())) << label->objectName().toStdString();
        }
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        EXPECT_GE(box->width(), box->sizeHint().width()) << box->objectName().toStdString();
    for (QLineEdit* box : page->findChildren<QLineEdit*>())
        if (box->isVisible() && !box->objectName().startsWith("qt_")) {
            EXPECT_GE(box->width(), f.textWidth(box, "0000") + 6) << box->objectName().toStdString();
        }
}

// Tab walks the first tab as it reads: down the Radio Information column, down
// the scan, time-out and feature column, then the buttons and the user tones.
TEST(EditorLayout, TabWalksTheFirstTabColumnByColumn) {
    ShownEditor f;
    f.editor().tabs()->setCurrentIndex(0);
    QCoreApplication::sendPostedEvents();
    const QStringList reading = {
        "txtPassword", "chkPOP",
        "chkScanEnable", "chkPrioScanEnable", "txtScanSpeedTime", "udScanSpeedTime", "txtScanDelayTime",
        "udScanDelayTime", "txtLookBackTime", "udLookBackTime",
        "chkTotEnable", "txtTotTime", "udTotTime", "txtTotPenaltyTime", "udTotPenaltyTime",
        "chkPowerSaveEnable", "chkQuickKey", "chkTalkbakScan",
        "cmbButton_S1", "cmbButton_L1", "cmbButton_S2", "cmbButton_L2",
        "txtTPL_RxFrequency0", "txtTPL_TxFrequency0", "txtTPL_RxFrequency1", "txtTPL_TxFrequency1",
        "txtTPL_RxFrequency2", "txtTPL_TxFrequency2"};
    // A control's name, with its control-array index.
    const auto nameOf = [](QWidget* w) {
        while (w && w->objectName().startsWith("qt_")) w = w->parentWidget();
        if (!w) return QString();
        const QVariant index = w->property("index");
        return w->objectName() + (index.isValid() ? QString::number(index.toInt()) : QString());
    };
    QStringList expected;
    for (const QString& name : reading) {
        for (QWidget* w : f.editor().tabs()->widget(0)->findChildren<QWidget*>())
            if (nameOf(w) == name && w->isEnabled() && w->focusPolicy() & Qt::TabFocus) {
                expected << name;
                break;
            }
    }
    QWidget* at = f.editor().radioInfo()->passwordBox();
    at->setFocus();
    QStringList walked{nameOf(at)};
    while (walked.size() < expected.size()) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = f.main->focusWidget();
        walked << nameOf(at);
    }
    EXPECT_EQ(walked.join(' ').toStdString(), expected.join(' ').toStdString());
}

TEST(EditorLayout, GridTextsFitTheirColumns) {
    ShownEditor f;
    f.editor().tabs()->setCurrentIndex(1);
    QCoreApplication::sendPostedEvents();
    QTableWidget* table = f.editor().grid()->table();
    int checked = 0;
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            if (const QTableWidgetItem* item = table->item(r, c); item && !table->isRowHidden(r) && r <= 16) {
                EXPECT_LE(f.textWidth(table, item->text().trimmed()) + 4, table->columnWidth(c))
                    << r << "," << c << " " << item->text().toStdString();
                ++checked;
            }
    EXPECT_GT(checked, 14);
    // The whole grid shows beside the scan list.
    EXPECT_GE(table->viewport()->width(), table->horizontalHeader()->length());
}

TEST(EditorLayout, ScanListFrameCaptionsItsListsOnce) {
    ShownEditor f;
    auto* frame = f.find<QGroupBox>("Frame1");
    EXPECT_TRUE(frame->title().isEmpty());
    EXPECT_EQ(frame->findChild<QLabel*>("Label21")->text(), "Scan List");
    // The priority channel's caption sits with its box below the lists.
    EXPECT_EQ(f.find<QLabel>("lblPrioScanChNo")->parentWidget(), f.find<QWidget>("txtPrioScanChNo")->parentWidget());
}

}  // namespace
}  // namespace vantrel::test
