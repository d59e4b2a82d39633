#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"
#include "gui/codeplug/UserTplFrame.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;

struct SettingsTest : ::testing::Test {
    EditorFixture f;
    void SetUp() override {
        f.startUp();
        f.load(sampleImage());
        f.prompts.clear();
    }
    QCheckBox* chk(const char* name) { return f.find<QCheckBox>(name); }
    QLineEdit* txt(const char* name) { return f.find<QLineEdit>(name); }
    unsigned flags() { return f.image().byte(bm::OptionFlags); }
};

TEST_F(SettingsTest, FeatureBoxesWriteTheirBits) {
    struct Case { const char* box; unsigned mask; };
    for (Case c : {Case{"chkQuickKey", 0x01}, Case{"chkTotEnable", 0x04}, Case{"chkPowerSaveEnable", 0x60},
                   Case{"chkTalkbakScan", 0x80}, Case{"chkScanEnable", 0x08}, Case{"chkPrioScanEnable", 0x02}}) {
        QCheckBox* box = chk(c.box);
        box->setChecked(false);
        const unsigned off = flags();
        EXPECT_EQ(off & c.mask, 0u) << c.box;
        box->setChecked(true);
        EXPECT_EQ(flags(), off | c.mask) << c.box;
        box->setChecked(false);
    }
    // Bit 4 is never touched.
    CodeplugImage img = sampleImage();
    img.setByte(bm::OptionFlags, 0x30);   // bit 5 alone: Battery Save reads bit 6
    f.load(img);
    EXPECT_FALSE(chk("chkPowerSaveEnable")->isChecked());
    chk("chkQuickKey")->setChecked(true);
    EXPECT_EQ(flags(), 0x31u);
}

TEST_F(SettingsTest, EnterTogglesAndTouches) {
    f.state.dataChanged = false;
    const bool was = chk("chkTalkbakScan")->isChecked();
    enter(chk("chkTalkbakScan"));
    EXPECT_NE(chk("chkTalkbakScan")->isChecked(), was);
    EXPECT_TRUE(f.state.dataChanged);
}

TEST_F(SettingsTest, NormalAndPriorityScanExcludeEachOther) {
    chk("chkScanEnable")->setChecked(true);
    EXPECT_FALSE(chk("chkPrioScanEnable")->isEnabled());
    EXPECT_TRUE(txt("txtScanSpeedTime")->isEnabled());
    EXPECT_FALSE(f.find<QSpinBox>("udLookBackTime")->isEnabled());
    chk("chkScanEnable")->setChecked(false);
    EXPECT_TRUE(chk("chkPrioScanEnable")->isEnabled());
    EXPECT_FALSE(txt("txtScanSpeedTime")->isEnabled());

    chk("chkPrioScanEnable")->setChecked(true);
    EXPECT_FALSE(chk("chkScanEnable")->isEnabled());
    EXPECT_TRUE(txt("txtLookBackTime")->isEnabled());
    EXPECT_TRUE(f.find<QLabel>("lblPrioScanChNo")->isEnabled());
    EXPECT_TRUE(f.editor().scanList()->priorityBox()->isEnabled());
    EXPECT_EQ(flags() & 0x0A, 0x02u);
    chk("chkPrioScanEnable")->setChecked(false);
    EXPECT_TRUE(chk("chkScanEnable")->isEnabled());
    EXPECT_FALSE(txt("txtLookBackTime")->isEnabled());
    EXPECT_FALSE(txt("txtScanSpeedTime")->isEnabled());
}

TEST_F(SettingsTest, PriorityScanOnAnEmptyChannelOutsideTheScanList) {
    CodeplugImage img = sampleImage();
    img.setByte(bm::PrioScanChNo, 3);
    img.setByte(bm::scanSlot(1), 1);
    img.setWord(bm::ScanMask, 1);
    f.load(img);
    ASSERT_EQ(f.editor().scanList()->priorityBox()->text(), "3");
    f.prompts.clear();
    chk("chkPrioScanEnable")->setChecked(true);
    const QString expected = QString(25, ' ') + "Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ";
    EXPECT_EQ(f.prompts.texts(), QStringList{expected});
    EXPECT_TRUE(f.state.prioChannelError);
    EXPECT_EQ(flags() & 0x02, 0x02u);
}

TEST_F(SettingsTest, TotEnablesItsFields) {
    chk("chkTotEnable")->setChecked(false);
    EXPECT_FALSE(txt("txtTotTime")->isEnabled());
    EXPECT_FALSE(f.find<QSpinBox>("udTotPenaltyTime")->isEnabled());
    chk("chkTotEnable")->setChecked(true);
    EXPECT_TRUE(txt("txtTotTime")->isEnabled());
    EXPECT_TRUE(f.find<QLabel>("lblTotPenaltyTime")->isEnabled());
}

// Typing, leaving the box, an arrow key and the up-down each reach the model,
// and the box and the up-down show what it holds afterwards, also when the
// model puts the text back while it is being typed. The values and limits
// are tables in tests/model.
TEST_F(SettingsTest, TimingGesturesReachTheModel) {
    QLineEdit* hang = txt("txtScanDelayTime");
    hang->setText("3000");
    EXPECT_EQ(f.image().byte(bm::ScanDelayTime), 6);
    hang->setText("abc");
    focusOut(hang);
    EXPECT_EQ(hang->text(), "3000");

    QLineEdit* speed = txt("txtScanSpeedTime");
    speed->setText("999");
    focusOut(speed);
    EXPECT_EQ(speed->text(), "500");
    EXPECT_EQ(f.find<QSpinBox>("udScanSpeedTime")->value(), 500);
    speed->setText("490");
    key(speed, Qt::Key_Up);
    EXPECT_EQ(speed->text(), "500");
    EXPECT_EQ(f.image().byte(bm::ScanSpeedTime), 50);

    f.find<QSpinBox>("udTotPenaltyTime")->stepUp();
    EXPECT_EQ(txt("txtTotPenaltyTime")->text(), "6");
    EXPECT_EQ(f.image().byte(bm::TotPenaltyTime), 6);

    f.editor().userTpl()->box(true, 2)->clear();
    QLineEdit* tot = txt("txtTotTime");
    tot->setText("300");
    EXPECT_EQ(tot->text(), "60");
    EXPECT_EQ(f.image().byte(bm::TotTime), 6);
    EXPECT_TRUE(f.prompts.messages.empty());
}

}  // namespace
}  // namespace vantrel::test
