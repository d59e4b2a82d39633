#include "gui/link/ProgramCommands.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/frmChannelToneOption.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/frmMain.h"
#include "gui/common/CoreTexts.h"
#include "gui/link/ProgramTexts.h"
#include "gui/link/ReadTail.h"
#include "gui/link/WritePasswordWait.h"
#include "gui/link/frmPasswordW.h"
#include "gui/link/frmProgram.h"
#include "gui/link/frmProtection.h"
#include "gui/shell/EditorUndo.h"
#include "gui/shell/MDIFormMain.h"
#include "link/ProtocolBytes.h"
#include "link/ReadProtocol.h"
#include "link/VerifyWrite.h"
#include "link/WriteProtocol.h"
#include "model/EditingModel.h"

namespace vantrel {

using link::TransferOutcome;

namespace {

// Whether a write is read back and compared, kept for the next session.
const QString kVerifyKey = QStringLiteral("Settings/VerifyAfterWrite");
constexpr std::size_t kMismatchesListed = 10;

}  // namespace

ProgramCommands::ProgramCommands(MDIFormMain& main, link::ByteDevice& device,
                                 std::function<bool()> openPort)
    : main_(main), link_(device), openPort_(std::move(openPort)) {
    frmMain& editor = *main.editor();
    dialog_ = std::make_unique<frmProgram>(main.state(), link_, &main, &editor);
    main.setCompanion(MDIFormMain::Companion::ReadWrite, dialog_.get());
    unlock_ = std::make_unique<frmProtection>(main.state(), main.prompts(), main);
    writePrompt_ = std::make_unique<frmPasswordW>(main.state(), main.prompts(), main, *dialog_);

    dialog_->onRead = [this] { cmdRead_Click(); };
    dialog_->onWrite = [this] { cmdWrite_Click(); };
    dialog_->setStatusText = [&editor](const QString& t) { editor.setStatusText(t); };
    dialog_->closeCompanions = [this, &editor] {
        editor.grid()->closeToneDialog();
        writePrompt_->unload();
    };

    using C = MDIFormMain::Command;
    main.setCommand(C::Read, [this] { ReadCommand(); });
    main.setCommand(C::Write, [this] { WriteCommand(); });
    main.openCommPort = [this] { OpenCommPort(); };
    editor.context().closeReadWriteDialog = [this] { dialog_->unload(); };
    connect(&editor, &frmMain::protectedLoaded, this, [this] { unlock_->Ask(); });

    QCheckBox* verify = dialog_->chkVerify();
    verify->setChecked(main.settings().value(kVerifyKey, false).toBool());
    connect(verify, &QCheckBox::toggled, this, [this](bool on) { main_.settings().setValue(kVerifyKey, on); });
}

ProgramCommands::~ProgramCommands() = default;

bool ProgramCommands::toneWindowOpen() const {
    const frmChannelToneOption* tone = main_.editor()->grid()->toneDialog();
    return tone && tone->isVisible();
}

void ProgramCommands::openDialog(bool write) {
    if (dialog_->isOpen()) dialog_->unload();
    dialog_->keepEditorFocus();
    main_.setEnabled(false);
    dialog_->Open(write ? frmProgram::Mode::Write : frmProgram::Mode::Read);
}

bool ProgramCommands::portAvailable(bool& reopen) {
    // A port that could not be opened before (radio restarted, adapter
    // plugged in) is tried at once: when it opens, the same command goes on
    // to the dialog instead of doing nothing visible until it is given again.
    reopen = link_.device().isOpen();
    return reopen || OpenCommPort();
}

void ProgramCommands::ReadCommand() {
    AppState& state = main_.state();
    bool reopen = false;
    if (portAvailable(reopen)) {
        state.readPending = true;
        if (toneWindowOpen()) {
            main_.prompts().tell(tr(program::kCloseWindowFirst));
            return;
        }
        openDialog(false);
        state.passwordAttempts = 0;
        frmMain& editor = *main_.editor();
        editor.setEnabled(true);
        state.loadingImage = true;
        editor.forward([](EditingModel& m) { return m.SetPassword(""); });
        dialog_->paintIndicator(link::Indicator::Red, false);
        dialog_->paintIndicator(link::Indicator::Green, true);
    }
    if (reopen) OpenCommPort();
}

void ProgramCommands::WriteCommand() {
    AppState& state = main_.state();
    bool reopen = false;
    if (portAvailable(reopen)) {
        state.readPending = false;
        frmMain& editor = *main_.editor();
        if (!editor.forward([](EditingModel& m) { return m.CheckBeforeWrite(); }).ok) {
            dialog_->unload();
            return;
        }
        if (toneWindowOpen()) {
            main_.prompts().tell(tr(program::kCloseWindowFirst));
            return;
        }
        openDialog(true);
        editor.forward([](EditingModel& m) {
            m.PrepareForWrite();
            return EditResult{};
        });
        main_.editorUndo().amend();
        dialog_->paintIndicator(link::Indicator::Green, false);
        dialog_->paintIndicator(link::Indicator::Red, true);
    }
    if (reopen) OpenCommPort();
    state.passwordAccepted = false;
}

void ProgramCommands::cmdRead_Click() {
    if (main_.state().transferRunning) return;
    dialog_->setCancelInTabOrder(false);
    dialog_->cmdRead()->setEnabled(false);
    main_.state().transferRunning = true;
    ForgetStaleWakes(link_.device());
    lastOutcome_ = link::ReadCodeplug(link_, *this, main_.state().image);
    main_.state().transferRunning = false;
    if (lastOutcome_ != TransferOutcome::Aborted)
        finished(archive::Operation::Read, lastOutcome_ == TransferOutcome::Success, main_.state().image.bytes());
    FinishRead(main_, *dialog_, lastOutcome_);
}

void ProgramCommands::cmdWrite_Click() {
    if (main_.state().transferRunning) return;
    frmMain& editor = *main_.editor();
    link::WriteSteps steps;
    steps.storePassword = [&editor](AppState&) {
        editor.forward([](EditingModel& m) {
            m.StorePassword();
            return EditResult{};
        });
    };
    steps.encodeUserTones = [&editor](CodeplugImage&) {
        editor.forward([](EditingModel& m) { return EditResult{m.EncodeUserTones(), true}; });
    };
    dialog_->setCancelInTabOrder(false);
    dialog_->cmdWrite()->setEnabled(false);
    main_.state().transferRunning = true;
    ForgetStaleWakes(link_.device());
    CodeplugImage::Bytes sent{};
    // What the write starts from, before it blanks the serial number.
    const CodeplugImage::Bytes written = main_.state().image.bytes();
    lastOutcome_ = link::WriteCodeplug(link_, *this, main_.state(), steps, &sent);
    // A write in doubt is what the verify is for.
    const bool sentWhole = lastOutcome_ == TransferOutcome::Success || lastOutcome_ == TransferOutcome::InDoubt;
    if (lastOutcome_ != TransferOutcome::Aborted)
        finished(archive::Operation::Write, lastOutcome_ == TransferOutcome::Success, sent, &written);
    if (sentWhole && dialog_->chkVerify()->isChecked()) verifyWrite(sent, written);
    main_.state().transferRunning = false;
    // The exchange stores the password box and the user tones: part of the write.
    main_.editorUndo().amend();
    switch (lastOutcome_) {
    case TransferOutcome::OpeningFailed:
        dialog_->cmdClose()->setFocus();
        break;
    case TransferOutcome::Success:
        dialog_->unload();
        editor.radioInfo()->passwordBox()->setFocus();
        break;
    default:
        break;
    }
}

void ProgramCommands::verifyWrite(const CodeplugImage::Bytes& sent, const CodeplugImage::Bytes& written) {
    // The bar starts again for the read-back: the status line says why.
    verifying_ = true;
    dialog_->setStatus(tr("Verifying..."));
    const link::VerifyResult result = link::VerifyWrite(link_, *this, sent);
    verifying_ = false;
    if (result.readOutcome == TransferOutcome::Aborted) return;  // the dialog was closed
    finished(archive::Operation::Verify, result.readOutcome == TransferOutcome::Success, result.readBack, &written);
    QString text = tr("Verify after write: ");
    if (result.readOutcome != TransferOutcome::Success) {
        text += tr("the radio could not be read back (%1)").arg(dialog_->lblProgram()->text());
    } else {
        text += TrCoreText(link::VerifySummary(result));
        for (std::size_t i = 0; i < result.mismatches.size() && i < kMismatchesListed; ++i)
            text += QStringLiteral("\r\n") + TrCoreText(link::MismatchText(result.mismatches[i]));
    }
    main_.prompts().tell(text, QStringLiteral("Vantrel CPS"),
                         result.ok() ? Prompts::Icon::Information : Prompts::Icon::Exclamation);
}

void ProgramCommands::finished(archive::Operation operation, bool completed, const CodeplugImage::Bytes& bytes,
                               const CodeplugImage::Bytes* written) {
    if (!transferFinished) return;
    archive::FinishedTransfer t;
    t.operation = operation;
    t.completed = completed;
    t.outcome = dialog_->lblProgram()->text().toStdString();
    if (completed) t.bytes = bytes;
    if (written) t.written = *written;
    transferFinished(std::move(t));
}

void ProgramCommands::status(const std::string& text) {
    const bool readBackWait = verifying_ && text == link::text::kReadWait;
    dialog_->setStatus(readBackWait ? tr("Verifying...") : QString::fromStdString(text));
}

void ProgramCommands::progress(int value) { dialog_->setProgress(value); }

void ProgramCommands::indicator(link::Indicator which, bool bright) {
    dialog_->paintIndicator(which, bright);
}

link::PasswordOutcome ProgramCommands::writePassword(const std::string& radioPassword) {
    return WaitForWritePassword(*writePrompt_, main_.state(), link_.device(), radioPassword);
}

}  // namespace vantrel
