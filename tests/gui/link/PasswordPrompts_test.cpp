// The unlock prompt after a protected load and the write prompt during a write.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

#include "codeplug/ByteMap.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/link/LinkFixture.h"
#include "gui/link/frmPasswordW.h"
#include "gui/link/frmProtection.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;
using C = MDIFormMain::Command;

const QString kRefused = "                Error!\r\n\r\nInvalid password.\r\nCodeplug is password protected.";

// The radio's image with the password "AbCd" stored, of which byte 379 says
// the first `length` characters count.
CodeplugImage::Bytes ProtectedImage(int length) {
    CodeplugImage::Bytes bytes = DefaultImage();
    const char* text = "AbCd";
    for (std::size_t k = 0; k < bm::PasswordSize; ++k) bytes[bm::Password + k] = k < 4 ? text[k] : 0;
    bytes[bm::PasswordLength] = static_cast<std::uint8_t>(length);
    bytes[bm::PasswordLengthCopy] = 0;  // taken from byte 236 when loaded
    bytes[bm::scanSlot(2)] = 0;         // channel 2 outside the scan list
    return bytes;
}

struct UnlockFixture : LinkFixture {
    explicit UnlockFixture(int length = 3) : LinkFixture(ProtectedImage(length)) {
        main->runCommand(MDIFormMain::Command::Read);
        commands.cmdRead_Click();
    }
    frmProtection& prompt() { return commands.unlockPrompt(); }
    void enter(const QString& text) {
        prompt().txtPassword()->setText(text);
        prompt().cmdPassOk()->click();
    }
    QLineEdit* editorPassword() { return editor().radioInfo()->passwordBox(); }
    bool printAndDefaultEnabled() {
        return enabled("mnuFilePrintPreview") || enabled("mnuFilePrint") || enabled("mnuDefault") ||
               main->toolbarButton(6)->isEnabled() || main->toolbarButton(7)->isEnabled();
    }
};

// The read/write dialog and the password prompt open centred over the main
// window, wherever that is, not somewhere else on the screen.
TEST(UnlockPrompt, DialogAndPromptOpenOverTheMainWindow) {
    LinkFixture f(ProtectedImage(3));
    f.main->resize(500, 400);
    f.main->move(250, 300);
    // Centred, give or take the title bar, whose height is only known once
    // the window system has framed the window.
    const auto over = [&](const QWidget& w) {
        const QPoint d = w.frameGeometry().center() - f.main->frameGeometry().center();
        return f.main->frameGeometry().contains(w.frameGeometry()) && std::abs(d.x()) <= 16 && std::abs(d.y()) <= 16;
    };
    f.main->runCommand(MDIFormMain::Command::Read);
    EXPECT_TRUE(over(f.dialog()));
    f.commands.cmdRead_Click();
    ASSERT_TRUE(f.commands.unlockPrompt().isVisible());
    EXPECT_TRUE(over(f.commands.unlockPrompt()));
}

TEST(UnlockPrompt, ComparesTheStoredCharactersExactly) {
    struct Case {
        const char* typed;
        bool unlocks;
    };
    for (Case c : {Case{"AbC", true}, Case{"abc", false}, Case{"ABC", false}, Case{"AbCd", false},
                   Case{" AbC", false}, Case{"", false}}) {
        SCOPED_TRACE(c.typed);
        UnlockFixture f;
        ASSERT_TRUE(f.prompt().isVisible());
        EXPECT_EQ(f.state.image.byte(bm::PasswordLengthCopy), 3);
        EXPECT_EQ(f.prompt().windowTitle(), "Password");
        EXPECT_EQ(f.prompt().label1()->text(), "Codeplug is protected.");
        EXPECT_EQ(f.prompt().lblPassWord()->text(), "Please enter password.");
        EXPECT_FALSE(f.main->isEnabled());
        EXPECT_FALSE(f.enabled("mnuWrite"));
        f.enter(c.typed);
        EXPECT_EQ(f.prompt().isVisible(), !c.unlocks);
        EXPECT_EQ(f.enabled("mnuWrite"), c.unlocks);
        EXPECT_EQ(f.editorPassword()->isEnabled(), c.unlocks);
        if (c.unlocks) {
            EXPECT_EQ(f.editorPassword()->text(), "AbC");
            EXPECT_TRUE(f.main->toolbarButton(4)->isEnabled());
            EXPECT_TRUE(f.enabled("mnuFilePrint") && f.enabled("mnuFilePrintPreview") && f.enabled("mnuDefault"));
            EXPECT_FALSE(f.state.passwordKept);
            EXPECT_TRUE(f.main->isEnabled());
        } else {
            EXPECT_EQ(f.prompt().label1()->text(), "Invalid password.");
            EXPECT_EQ(f.prompt().lblPassWord()->text(), "Please enter correct password.");
            EXPECT_TRUE(f.prompt().txtPassword()->text().isEmpty());
            EXPECT_EQ(f.state.passwordAttempts, 1);
        }
    }
}

TEST(UnlockPrompt, ThreeWrongEntriesLeaveTheEditorLocked) {
    UnlockFixture f;
    QLineEdit* box = f.prompt().txtPassword();
    EXPECT_EQ(box->maxLength(), 8);
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    EXPECT_EQ(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box), '*');
    // The scan list of a locked codeplug cannot be changed.
    EXPECT_FALSE(f.main->findChild<QPushButton*>("CmdAdd")->isEnabledTo(f.main.get()));
    f.enter("x");
    f.enter("y");
    EXPECT_TRUE(f.prompt().isVisible());
    EXPECT_TRUE(f.prompts.messages.empty());
    f.enter("z");
    EXPECT_FALSE(f.prompt().isVisible());
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].text, kRefused);
    EXPECT_EQ(f.prompts.messages[0].title, "Password");
    EXPECT_EQ(f.prompts.messages[0].icon, Prompts::Icon::None);
    EXPECT_EQ(f.state.passwordAttempts, 0);
    EXPECT_TRUE(f.state.passwordKept);
    EXPECT_TRUE(f.main->isEnabled());
    EXPECT_FALSE(f.editorPassword()->isEnabled());
    EXPECT_TRUE(f.enabled("mnuFileSave"));
    EXPECT_FALSE(f.enabled("mnuWrite"));
    EXPECT_FALSE(f.printAndDefaultEnabled());
}

TEST(UnlockPrompt, RightEntryAtTheThirdAttemptUnlocks) {
    UnlockFixture f(4);
    f.enter("abcd");
    f.enter("AbC");
    f.enter("AbCd");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_FALSE(f.prompt().isVisible());
    EXPECT_EQ(f.editorPassword()->text(), "AbCd");
    EXPECT_TRUE(f.enabled("mnuWrite"));
    EXPECT_EQ(f.state.passwordAttempts, 0);
}

TEST(UnlockPrompt, CancelAllowsSavingOnly) {
    UnlockFixture f;
    f.enter("wrong");
    f.prompt().cmdPassCancel()->click();
    EXPECT_FALSE(f.prompt().isVisible());
    EXPECT_TRUE(f.main->isEnabled());
    EXPECT_EQ(f.state.passwordAttempts, 0);
    EXPECT_TRUE(f.state.passwordKept);
    EXPECT_TRUE(f.enabled("mnuFileSave"));
    EXPECT_TRUE(f.main->toolbarButton(2)->isEnabled());
    EXPECT_FALSE(f.enabled("mnuWrite"));
    EXPECT_FALSE(f.printAndDefaultEnabled());
    EXPECT_FALSE(f.editorPassword()->isEnabled());
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST(UnlockPrompt, UnprotectedImageNeverAsks) {
    CodeplugImage::Bytes bytes = DefaultImage();
    for (std::size_t k = 0; k < bm::PasswordSize; ++k) bytes[bm::Password + k] = 0;
    bytes[bm::PasswordLength] = 5;
    bytes[bm::PasswordLengthCopy] = 0;
    LinkFixture f(bytes);
    f.main->runCommand(MDIFormMain::Command::Read);
    f.commands.cmdRead_Click();
    EXPECT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Success);
    EXPECT_FALSE(f.commands.unlockPrompt().isVisible());
    EXPECT_EQ(f.state.image.byte(bm::PasswordLengthCopy), 0);
    EXPECT_TRUE(f.enabled("mnuWrite"));
}

// ---- write prompt -----------------------------------------------------------

struct WritePasswordFixture : LinkFixture {
    WritePasswordFixture() : LinkFixture(DefaultImage(), RadioWithPassword()) {
        // The editor holds what the radio holds.
        main->runCommand(MDIFormMain::Command::Read);
        commands.cmdRead_Click();
    }
    static link::SimulatedRadioOptions RadioWithPassword() {
        link::SimulatedRadioOptions o;
        o.password = "Ra4io";
        return o;
    }
    frmPasswordW& prompt() { return commands.writePrompt(); }
    // Runs a write; `answers` are typed into the prompt in turn (an empty
    // one presses Cancel instead).
    void write(QStringList answers) {
        main->runCommand(MDIFormMain::Command::Write);
        QTimer typist;
        QObject::connect(&typist, &QTimer::timeout, [&] {
            if (!prompt().isVisible() || answers.isEmpty()) return;
            const QString a = answers.takeFirst();
            if (a.isEmpty()) {
                prompt().cmdPassCancel()->click();
                return;
            }
            prompt().txtPassword()->setText(a);
            prompt().cmdPassOk()->click();
        });
        typist.start(0);
        commands.cmdWrite_Click();
    }
};

TEST(WritePrompt, RightPasswordLetsTheWriteGoOn) {
    WritePasswordFixture f;
    f.write({"ra4io", "Ra4io"});
    EXPECT_EQ(f.commands.lastOutcome(), link::TransferOutcome::Success);
    EXPECT_EQ(f.radio.writesCompleted(), 1);
    EXPECT_TRUE(f.state.passwordAccepted);
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_FALSE(f.prompt().isVisible());
}

TEST(WritePrompt, CancelSendsNothingMoreAndLeavesWriteReady) {
    WritePasswordFixture f;
    std::size_t sentAtPrompt = 0;
    f.line.onWait = [&] { if (!f.prompt().isVisible()) sentAtPrompt = f.line.sent.size(); };
    f.write({""});
    EXPECT_EQ(f.commands.lastOutcome(), link::TransferOutcome::PasswordAbandoned);
    EXPECT_EQ(f.line.sent.size(), sentAtPrompt);
    EXPECT_EQ(f.line.sent.back(), 0x00);
    EXPECT_EQ(f.line.sent[f.line.sent.size() - 2], 0x0B);  // the version request was the last
    EXPECT_EQ(f.radio.writesCompleted(), 0);
    EXPECT_TRUE(f.dialog().isVisible());
    EXPECT_TRUE(f.dialog().isEnabled());
    EXPECT_TRUE(f.dialog().cmdWrite()->isEnabled());
    EXPECT_TRUE(f.state.passwordKept);
    EXPECT_FALSE(f.state.passwordAccepted);
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST(WritePrompt, ThirdWrongEntryAbandonsTheWrite) {
    WritePasswordFixture f;
    f.write({"a", "b", "c"});
    EXPECT_EQ(f.commands.lastOutcome(), link::TransferOutcome::PasswordAbandoned);
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].text, kRefused);
    EXPECT_EQ(f.prompts.messages[0].title, "Password");
    EXPECT_EQ(f.radio.writesCompleted(), 0);
    EXPECT_EQ(f.state.passwordAttempts, 0);
    EXPECT_TRUE(f.dialog().cmdWrite()->isEnabled());
}

TEST(WritePrompt, ClosingTheProgramEndsTheWriteAtOnce) {
    WritePasswordFixture f;
    f.main->runCommand(C::Write);
    std::size_t sentAtPrompt = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!f.prompt().isVisible()) return;
        sentAtPrompt = f.line.sent.size();
        // What the main window's closing does: mark the program as closing,
        // then close the read/write dialog.
        f.state.appClosing = true;
        f.dialog().close();
    });
    closer.start(0);
    f.commands.cmdWrite_Click();
    EXPECT_EQ(f.commands.lastOutcome(), link::TransferOutcome::AppClosing);
    EXPECT_EQ(f.line.sent.size(), sentAtPrompt);
    EXPECT_FALSE(f.prompt().isVisible());
    EXPECT_FALSE(f.dialog().isVisible());
}

}  // namespace
}  // namespace vantrel::test
