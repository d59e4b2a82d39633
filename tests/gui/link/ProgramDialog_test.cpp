// The Read and Write commands and the read/write dialog over an in-memory line.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/channels/ChannelGrid.h"

#include <map>

#include "codeplug/ByteMap.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/link/LinkFixture.h"
#include "gui/link/ProgramTexts.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;
using C = MDIFormMain::Command;

const QString kCloseWindow = "Please close your window before programming the radio.";
const QString kPrioError =
    "                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ";

TEST(ProgramDialog, ReadCommandOpensTheDialogReadyForARead) {
    LinkFixture f;
    f.main->runCommand(C::Read);
    frmProgram& d = f.dialog();
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), "Program");
    EXPECT_EQ(d.lblProgram()->text(), "Click Read Button");
    EXPECT_EQ(d.lblProgramHelp()->text(),
              "  To read codeplug data from radio:\r\n\r\n  1. Turn off radio.\r\n"
              "  2. Connect programming cable to radio.\r\n"
              "  3. Press and hold Programmable Button 1 while turning on radio.\r\n"
              "  4. Radio will beep once. Release Programmable Button 1.\r\n"
              "      ORANGE LED will be shown on radio.\r\n  5. Click Read button on CPS.\r\n"
              "  6. CPS will show reading progress bar. Once completed, it will close by itself.");
    EXPECT_FALSE(d.cmdRead()->isHidden());
    EXPECT_TRUE(d.cmdWrite()->isHidden());
    EXPECT_FALSE(d.lblGreenLED()->isHidden());
    EXPECT_TRUE(d.lblRedLED()->isHidden());
    EXPECT_EQ(d.indicatorColor(link::Indicator::Green), 0x00FF00u);
    EXPECT_EQ(d.cmdClose()->text(), "&Cancel");
    for (auto [button, hint] : {std::pair{d.cmdClose(), "Close Program"},
                                std::pair{d.cmdRead(), "Read Codeplug Data From Radio To PC"}}) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(f.editor().statusText(), hint);
    }
    EXPECT_FALSE(f.main->isEnabled());
    EXPECT_TRUE(f.state.readPending);
    EXPECT_TRUE(f.state.loadingImage);

    d.cmdClose()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(f.main->isEnabled());
    EXPECT_FALSE(f.state.readPending);
    EXPECT_FALSE(f.state.loadingImage);
}

// Cancel gives the focus back to the editor window's control that had it.
TEST(ProgramDialog, CancelGivesTheFocusBackToTheEditor) {
    LinkFixture f;
    f.main->runCommand(C::Read);
    f.commands.cmdRead_Click();
    ASSERT_TRUE(f.editor().editorVisible());
    QWidget* grid = f.editor().grid()->table();
    grid->setFocus();
    f.main->runCommand(C::Read);
    ASSERT_TRUE(f.dialog().isVisible());
    f.dialog().cmdClose()->click();
    EXPECT_EQ(f.main->focusWidget(), grid);
}

// Enter presses the dialog's focused button, as Space does: the transfer
// button has the focus when the dialog opens.
TEST(ProgramDialog, EnterPressesTheFocusedButton) {
    for (bool onCancel : {false, true}) {
        LinkFixture f;
        f.main->runCommand(C::Read);
        frmProgram& d = f.dialog();
        QPushButton* button = onCancel ? d.cmdClose() : d.cmdRead();
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible()) << onCancel;
        EXPECT_EQ(f.state.dataChanged, !onCancel);
        EXPECT_EQ(f.editor().editorVisible(), !onCancel);
    }
}

// The Device menu's keys reach their commands from the editor, whose window
// frame would otherwise take Ctrl+W as its own Close.
TEST(ProgramDialog, DeviceKeysWorkFromTheEditor) {
    for (bool write : {false, true}) {
        LinkFixture f;
        f.main->runCommand(C::Read);
        f.commands.cmdRead_Click();
        ASSERT_TRUE(f.editor().editorVisible());
        f.main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.main.get()));
        QWidget* grid = f.editor().grid();
        grid->setFocus();
        QTest::keyClick(grid, write ? Qt::Key_W : Qt::Key_R, Qt::ControlModifier);
        EXPECT_TRUE(f.dialog().isVisible()) << write;
        EXPECT_EQ(f.dialog().cmdWrite()->isHidden(), !write);
        EXPECT_TRUE(f.editor().isVisible()) << write;
    }
}

TEST(ProgramDialog, MenuReadWaitsWhileAToolbarButtonIsHeld) {
    LinkFixture f;
    QAction* mnuRead = f.main->menuAction("mnuRead");
    EXPECT_EQ(mnuRead->shortcut(), QKeySequence("Ctrl+R"));
    f.state.toolbarButtonDown = true;
    mnuRead->trigger();
    EXPECT_FALSE(f.dialog().isVisible());
    f.state.toolbarButtonDown = false;
    mnuRead->trigger();
    EXPECT_TRUE(f.dialog().isVisible());
}

TEST(ProgramDialog, WriteInstructionsNameTheWrite) {
    LinkFixture f;
    f.main->runCommand(C::Read);
    f.commands.cmdRead_Click();
    f.main->runCommand(C::Write);
    const QString help = f.dialog().lblProgramHelp()->text();
    EXPECT_TRUE(help.startsWith("  To write codeplug data to radio:\r\n\r\n"));
    EXPECT_TRUE(help.contains("\r\n  5. Click Write button on CPS.\r\n"));
    EXPECT_EQ(f.dialog().lblProgram()->text(), "Click Write Button");
    EXPECT_TRUE(f.dialog().cmdRead()->isHidden());
    EXPECT_FALSE(f.dialog().cmdWrite()->isHidden());
    EXPECT_EQ(f.dialog().indicatorColor(link::Indicator::Red), 0xFF0000u);
}

// A closed port is opened once by the command; when the device is back the
// same Read or Write goes on to the dialog, otherwise nothing opens.
TEST(ProgramDialog, ClosedPortIsOpenedAndTheCommandGoesOn) {
    for (C c : {C::Read, C::Write}) {
        for (bool there : {false, true}) {
            SCOPED_TRACE(there ? "device back" : "device still gone");
            LinkFixture f;
            f.line.close();
            f.deviceThere = there;
            const int opens = f.portOpens;
            f.main->runCommand(c);
            EXPECT_EQ(f.dialog().isVisible(), there);
            EXPECT_EQ(f.line.isOpen(), there);
            EXPECT_EQ(f.portOpens, opens + 1);
        }
    }
}

TEST(ProgramDialog, ToneWindowOpenRefusesReadAndWrite) {
    LinkFixture f;
    f.editor().grid()->OpenRxToneDialog(1);
    for (C c : {C::Read, C::Write}) {
        f.prompts.clear();
        const int opens = f.portOpens;
        f.main->runCommand(c);
        ASSERT_EQ(f.prompts.messages.size(), 1u);
        EXPECT_EQ(f.prompts.messages[0].text, kCloseWindow);
        EXPECT_EQ(f.prompts.messages[0].title, "Vantrel CPS");
        EXPECT_FALSE(f.dialog().isVisible());
        EXPECT_EQ(f.portOpens, opens);
    }
}

TEST(ProgramDialog, WriteChecksRunInOrderBeforeTheDialogOpens) {
    LinkFixture f;
    f.main->runCommand(C::Read);
    f.commands.cmdRead_Click();
    ASSERT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Success);
    f.state.image.setByte(bm::Fixed60, 0);

    auto* prioEnable = f.main->findChild<QCheckBox*>("chkPrioScanEnable");
    auto* tabs = f.editor().tabs();
    QLineEdit* prio = f.editor().scanList()->priorityBox();
    QLineEdit* rx2 = nullptr;
    for (auto* box : f.editor().findChildren<QLineEdit*>("txtTPL_RxFrequency"))
        if (box->property("index").toInt() == 1) rx2 = box;
    ASSERT_TRUE(prioEnable && rx2);
    f.editor().grid()->OpenRxToneDialog(1);

    prioEnable->setChecked(true);
    tabs->setCurrentIndex(1);
    prio->setText("0");
    rx2->setText("50");
    const int opens = f.portOpens;
    std::vector<QString> seen;
    for (int step = 0; step < 3; ++step) {
        f.prompts.clear();
        f.main->runCommand(C::Write);
        ASSERT_EQ(f.prompts.messages.size(), 1u);
        seen.push_back(f.prompts.messages[0].text);
        EXPECT_FALSE(f.dialog().isVisible());
        if (step == 0) {
            EXPECT_EQ(tabs->currentIndex(), 0);
            prio->setText("1");
        }
        if (step == 1) {
            EXPECT_TRUE(rx2->text().isEmpty());
            rx2->setText("100.0");
        }
    }
    EXPECT_EQ(seen, (std::vector<QString>{kPrioError, "Invalid Frequency", kCloseWindow}));
    EXPECT_EQ(f.portOpens, opens);
    EXPECT_EQ(f.state.image.byte(bm::Fixed60), 0);

    f.editor().grid()->closeToneDialog();
    f.prompts.clear();
    f.main->runCommand(C::Write);
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_TRUE(f.dialog().isVisible());
    EXPECT_EQ(f.state.image.byte(bm::Fixed60), 60);
    EXPECT_EQ(f.state.image.byte(bm::Fixed20), 20);
}

TEST(ProgramDialog, ReadFillsTheEditorAndMarksItChanged) {
    CodeplugImage::Bytes bytes = DefaultImage();
    bytes[bm::SerialWriteEnable] = 1;
    LinkFixture f(bytes);
    f.main->runCommand(C::Read);
    std::vector<int> progress;
    QObject::connect(f.dialog().pgrProgram(), &QProgressBar::valueChanged,
                     [&](int v) { progress.push_back(v); });
    f.commands.cmdRead_Click();
    ASSERT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Success);

    // One step per byte, 384 exactly with the last one, then the reset.
    ASSERT_EQ(progress.size(), 385u);
    for (int i = 0; i < 384; ++i) ASSERT_EQ(progress[static_cast<std::size_t>(i)], i + 1);
    EXPECT_EQ(progress.back(), 0);

    bytes[bm::SerialWriteEnable] = 0;
    EXPECT_EQ(f.state.image.bytes(), bytes);
    EXPECT_FALSE(f.dialog().isVisible());
    EXPECT_TRUE(f.main->isEnabled());
    EXPECT_TRUE(f.editor().editorVisible());
    EXPECT_TRUE(f.state.dataChanged);
    EXPECT_FALSE(f.state.loadingImage);
    EXPECT_FALSE(f.editor().radioInfo()->serialBox()->isEnabled());
    EXPECT_TRUE(f.enabled("mnuFileSave"));
    EXPECT_TRUE(f.enabled("mnuWrite"));
}

TEST(ProgramDialog, EscapeDuringAReadAbortsAtOnce) {
    LinkFixture f;
    const CodeplugImage::Bytes start = f.state.image.bytes();
    f.main->runCommand(C::Read);
    int waitsAfterEscape = -1;
    std::size_t sentAtEscape = 0;
    f.line.onWait = [&] {
        if (waitsAfterEscape >= 0) {
            ++waitsAfterEscape;
            return;
        }
        if (f.dialog().pgrProgram()->value() < 100) return;
        sentAtEscape = f.line.sent.size();
        waitsAfterEscape = 0;
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(f.dialog().cmdClose(), &esc);
    };
    f.commands.cmdRead_Click();
    EXPECT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Aborted);
    EXPECT_LE(waitsAfterEscape, 1);
    EXPECT_EQ(f.line.sent.size(), sentAtEscape);
    EXPECT_FALSE(f.dialog().isVisible());
    EXPECT_EQ(f.dialog().pgrProgram()->value(), 0);
    EXPECT_EQ(f.dialog().indicatorColor(link::Indicator::Green), 0xC0FFC0u);
    EXPECT_TRUE(f.main->isEnabled());
    EXPECT_EQ(f.state.image.bytes(), start);
}

TEST(ProgramDialog, FailedOpeningShowsItsStatusAndKeepsTheDialog) {
    link::SimulatedRadioOptions silent;
    silent.silentAt = 1;
    LinkFixture f(DefaultImage(), silent);
    f.main->runCommand(C::Read);
    f.commands.cmdRead_Click();
    EXPECT_EQ(f.commands.lastOutcome(), link::TransferOutcome::OpeningFailed);
    EXPECT_TRUE(f.dialog().isVisible());
    EXPECT_EQ(f.dialog().lblProgram()->text(), "Communication Error. Please check Programming mode.");
    EXPECT_FALSE(f.dialog().cmdRead()->isEnabled());
    EXPECT_EQ(f.dialog().indicatorColor(link::Indicator::Green), 0xC0FFC0u);
    EXPECT_FALSE(f.state.dataChanged);
}

TEST(ProgramDialog, WriteSendsTheEditedImage) {
    LinkFixture f;
    f.main->runCommand(C::Read);
    f.commands.cmdRead_Click();
    f.editor().radioInfo()->passwordBox()->setText("Key9");
    // A tone typed but not yet entered goes out re-encoded from its box.
    f.editor().userTpl()->box(false, 0)->setText("150.0");
    ASSERT_NE(f.state.image.word(bm::userTplRxWord(0)), 1500);
    f.main->runCommand(C::Write);
    f.commands.cmdWrite_Click();
    ASSERT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Success);
    EXPECT_FALSE(f.dialog().isVisible());
    EXPECT_EQ(f.radio.image(), f.state.image.bytes());
    EXPECT_EQ(f.radio.image()[bm::Password], 'K');
    EXPECT_EQ(f.radio.image()[bm::PasswordLength], 4);
    EXPECT_EQ(f.radio.image()[bm::Fixed60], 60);
    EXPECT_EQ(f.state.image.word(bm::userTplRxWord(0)), 1500);
}

// The check box is remembered; with it ticked a write is read back and the
// user told whether the radio kept every byte.
TEST(ProgramDialog, VerifyAfterWriteReadsTheRadioBack) {
    struct Case {
        std::map<int, std::uint8_t> stuck;
        QString message;
        Prompts::Icon icon;
    };
    const Case cases[] = {
        {{}, "Verify after write: the radio holds every byte written", Prompts::Icon::Information},
        {{{bm::RadioType, 0xAA}}, "Verify after write: 1 byte differs\r\nbyte 4 written 1, read back 170",
         Prompts::Icon::Exclamation},
    };
    for (const Case& c : cases) {
        link::SimulatedRadioOptions options;
        options.stuckBytes = c.stuck;
        LinkFixture f(DefaultImage(), options);
        f.main->runCommand(C::Read);
        f.commands.cmdRead_Click();
        f.main->runCommand(C::Write);
        QCheckBox* verify = f.dialog().chkVerify();
        EXPECT_TRUE(verify->isVisible());
        EXPECT_FALSE(verify->isChecked());
        verify->setChecked(true);
        f.settings.sync();
        EXPECT_TRUE(f.settings.value("Settings/VerifyAfterWrite").toBool());
        f.prompts.clear();
        // What the status line says while the bar counts, the read-back included.
        QStringList statuses;
        QObject::connect(f.dialog().findChild<QProgressBar*>("pgrProgram"), &QProgressBar::valueChanged,
                         [&] { statuses << f.dialog().lblProgram()->text(); });
        f.commands.cmdWrite_Click();
        ASSERT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Success);
        EXPECT_EQ(f.radio.readsCompleted(), 2);
        statuses.removeDuplicates();
        EXPECT_TRUE(statuses.contains("Verifying...")) << statuses.join('|').toStdString();
        EXPECT_FALSE(statuses.contains("Please wait a moment......")) << statuses.join('|').toStdString();
        ASSERT_EQ(f.prompts.messages.size(), 1u);
        EXPECT_EQ(f.prompts.messages[0].text, c.message);
        EXPECT_EQ(f.prompts.messages[0].icon, c.icon);
        EXPECT_FALSE(f.dialog().isVisible());
    }
    // Unticked (as it starts), a write is not read back; a read never shows the box.
    LinkFixture f;
    f.main->runCommand(C::Read);
    f.commands.cmdRead_Click();
    f.main->runCommand(C::Write);
    f.commands.cmdWrite_Click();
    ASSERT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Success);
    EXPECT_EQ(f.radio.readsCompleted(), 1);
    EXPECT_TRUE(f.prompts.messages.empty());
    f.main->runCommand(C::Read);
    EXPECT_FALSE(f.dialog().chkVerify()->isVisible());
}

}  // namespace
}  // namespace vantrel::test
