#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;
using Kind = frmMain::LoadKind;

TEST(Population, ChannelCountFollowsTheModel) {
    struct Case { int model; int channels; };
    for (Case c : {Case{4, 8}, Case{9, 8}, Case{1, 16}, Case{0, 16}}) {
        EditorFixture f;
        f.startUp();
        CodeplugImage img = sampleImage();
        img.setByte(bm::ModelIndex, static_cast<std::uint8_t>(c.model));
        f.load(img);
        EXPECT_EQ(f.image().byte(bm::ChannelCount), c.channels) << c.model;
        EXPECT_EQ(f.editor().scanList()->priorityUpDown()->maximum(), c.channels) << c.model;
        EXPECT_TRUE(f.prompts.messages.empty());
    }
}

TEST(Population, RadiosWithoutPowerSwitchLoseHiLowPowerAfterReadAndCommandLine) {
    struct Case { Kind kind; int radioType; const char* first; int count; };
    for (Case c : {Case{Kind::Read, 5, "Volume Set", 9}, Case{Kind::CommandLine, 7, "Volume Set", 9},
                   Case{Kind::FileOpen, 5, "Hi/Low Power", 10}, Case{Kind::SuperNumber, 7, "Hi/Low Power", 10},
                   Case{Kind::Read, 1, "Hi/Low Power", 10}}) {
        EditorFixture f;
        f.startUp();
        CodeplugImage img = sampleImage();
        img.setByte(bm::RadioType, static_cast<std::uint8_t>(c.radioType));
        f.load(img, c.kind);
        for (int b = 0; b < 2; ++b) {
            QComboBox* s = f.editor().buttons()->shortList(b);
            EXPECT_EQ(s->itemText(0), c.first);
            EXPECT_EQ(s->count(), c.count);
        }
    }
}

TEST(Population, ShiftedListsStoreTheShiftedCodes) {
    EditorFixture f;
    f.startUp();
    CodeplugImage img = sampleImage();
    img.setByte(bm::RadioType, 7);
    f.load(img, Kind::Read);
    QComboBox* s1 = f.editor().buttons()->shortList(0);
    QComboBox* l1 = f.editor().buttons()->longList(0);
    choose(s1, 4);   // "Repeater/Talkaround" in the list without "Hi/Low Power"
    EXPECT_EQ(f.image().byte(bm::ButtonCodeS1), 5);
    ASSERT_EQ(l1->count(), 9);
    choose(l1, 0);   // shows "Hi/Low Power", stores "Volume Set"
    EXPECT_EQ(l1->itemText(0), "Hi/Low Power");
    EXPECT_EQ(f.image().byte(bm::ButtonCodeL1), 2);
}

TEST(Population, TimingBytesOutOfRangeFallBack) {
    struct Case { std::size_t byte; std::uint8_t value; };
    for (Case c : {Case{bm::ScanDelayTime, 66}, Case{bm::ScanDelayTime, 20}, Case{bm::ScanSpeedTime, 4},
                   Case{bm::ScanSpeedTime, 51}, Case{bm::LookBackTime, 0}, Case{bm::LookBackTime, 21},
                   Case{bm::TotTime, 61}, Case{bm::TotPenaltyTime, 0}, Case{bm::TotPenaltyTime, 11}}) {
        EditorFixture f;
        f.startUp();
        CodeplugImage img = sampleImage();
        img.setByte(bm::ScanSpeedTime, 30);
        img.setByte(bm::Fixed60, 1);
        img.setByte(bm::Fixed20, 2);
        img.setByte(bm::Fixed10, 3);
        img.setByte(c.byte, c.value);
        f.load(img);
        ASSERT_EQ(f.prompts.texts(), QStringList{"Time Option value is Invalid"}) << c.byte << " " << int(c.value);
        const std::uint8_t fallback[] = {18, 10, 8, 16, 5, 60, 20, 10};
        for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(f.image().byte(6 + i), fallback[i]) << 6 + i;
        EXPECT_EQ(f.find<QLineEdit>("txtScanSpeedTime")->text(), "100");
        EXPECT_EQ(f.find<QLineEdit>("txtScanDelayTime")->text(), "4000");
    }
}

TEST(Population, ShortScanIntervalLoadsWithTheLowLimit) {
    EditorFixture f;
    f.startUp();
    CodeplugImage img = sampleImage();
    img.setByte(bm::LookBackTime, 2);
    f.load(img);
    EXPECT_TRUE(f.prompts.messages.empty());
    auto* text = f.find<QLineEdit>("txtLookBackTime");
    EXPECT_EQ(text->text(), "500");
    EXPECT_EQ(f.find<QSpinBox>("udLookBackTime")->minimum(), 250);
    key(text, Qt::Key_Down);
    EXPECT_EQ(text->text(), "750");
    EXPECT_EQ(f.image().byte(bm::LookBackTime), 3);
    // A later load of a longer interval restores the usual limit.
    img.setByte(bm::LookBackTime, 8);
    f.load(img);
    EXPECT_EQ(f.find<QSpinBox>("udLookBackTime")->minimum(), 750);
}

TEST(Population, UnlockingAProtectedImageFollowsTheCheckBoxes) {
    EditorFixture f;
    f.startUp();
    CodeplugImage img = sampleImage();
    img.setByte(bm::OptionFlags, 0x08);   // Normal Scan on, TOT off
    img.setText(bm::Password, bm::PasswordSize, "PASS");
    img.setByte(bm::PasswordLength, 4);
    img.setText(bm::SuperNumber, bm::SuperNumberSize, "RTKV6101AAA");
    f.load(img);
    auto* password = f.find<QLineEdit>("txtPassword");
    EXPECT_FALSE(password->isEnabled());
    EXPECT_FALSE(f.find<QWidget>("chkScanEnable")->isEnabled());
    EXPECT_FALSE(f.find<QWidget>("fgChannel")->isEnabled());
    EXPECT_FALSE(f.main->menuAction("mnuWrite")->isEnabled());

    f.main->setEnabled(true);    // as the password dialog does
    f.editor().forward([](EditingModel& m) {
        m.UnlockEditor();
        return EditResult{};
    });
    EXPECT_TRUE(password->isEnabled());
    EXPECT_TRUE(f.find<QWidget>("chkScanEnable")->isEnabled());
    EXPECT_FALSE(f.find<QWidget>("chkPrioScanEnable")->isEnabled());
    EXPECT_TRUE(f.find<QWidget>("txtScanSpeedTime")->isEnabled());
    EXPECT_FALSE(f.find<QWidget>("txtLookBackTime")->isEnabled());
    EXPECT_FALSE(f.find<QWidget>("txtTotTime")->isEnabled());
    EXPECT_TRUE(f.find<QWidget>("chkTotEnable")->isEnabled());
    EXPECT_TRUE(f.find<QWidget>("cmbButton_L2")->isEnabled());
    EXPECT_TRUE(f.find<QWidget>("fgChannel")->isEnabled());
    EXPECT_FALSE(f.find<QWidget>("txtSuper")->isEnabled());   // holds a super number
    EXPECT_TRUE(f.main->menuAction("mnuWrite")->isEnabled());
    EXPECT_TRUE(f.main->toolbarButton(7)->isEnabled());
}

}  // namespace
}  // namespace vantrel::test
