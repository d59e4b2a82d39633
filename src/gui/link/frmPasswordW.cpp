#include "gui/link/frmPasswordW.h"

#include "gui/common/CoreTexts.h"

#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "gui/link/MainCommands.h"
#include "gui/link/frmProgram.h"
#include "link/PasswordCheck.h"

namespace vantrel {

frmPasswordW::frmPasswordW(AppState& state, Prompts& prompts, MDIFormMain& main, frmProgram& dialog)
    : PasswordForm("frmPasswordW", &main), state_(state), prompts_(prompts), main_(main), dialog_(dialog) {}

void frmPasswordW::Ask(const QString& radioPassword, std::function<void(bool)> done) {
    radioPassword_ = radioPassword;
    done_ = std::move(done);
    accepted_ = false;
    dialog_.setEnabled(false);
    open();
}

void frmPasswordW::report(bool accepted) {
    if (auto done = std::exchange(done_, nullptr)) done(accepted);
}

void frmPasswordW::okClicked() {
    dialog_.setCancelInTabOrder(false);
    dialog_.cmdWrite()->setEnabled(true);
    switch (link::CheckPasswordEntry(txtPassword()->text().toStdString(), radioPassword_.toStdString(),
                                     state_.passwordAttempts)) {
    case link::PasswordEntry::Accepted:
        accepted_ = true;
        unload();
        dialog_.cmdWrite()->setEnabled(false);
        SetCommandsEnabled(main_, kWriteCommands, true);
        state_.passwordKept = false;
        report(true);
        break;
    case link::PasswordEntry::TryAgain:
        dialog_.cmdWrite()->setEnabled(false);
        showInvalidTexts();
        break;
    case link::PasswordEntry::Refused:
        showInvalidTexts();
        unload();
        prompts_.tell(TrCoreText(QString::fromLatin1(link::text::kPasswordRefused)),
                      TrCoreText(QString::fromLatin1(link::text::kPasswordCaption)));
        state_.passwordKept = true;
        dialog_.setCancelInTabOrder(true);
        dialog_.cmdWrite()->setEnabled(true);
        dialog_.cmdWrite()->setFocus();
        report(false);
        break;
    }
}

void frmPasswordW::cancelClicked() {
    txtPassword()->clear();
    state_.passwordKept = true;
    state_.passwordAttempts = 0;
    unload();
    report(false);
}

void frmPasswordW::onUnload() {
    txtPassword()->clear();
    state_.passwordKept = true;
    state_.passwordAttempts = 0;
    dialog_.setEnabled(true);
    dialog_.setCancelInTabOrder(true);
    dialog_.cmdWrite()->setEnabled(true);
    dialog_.cmdWrite()->setFocus();
    // Closed any other way (close box, the dialog going away): the write is
    // abandoned.
    if (!accepted_) report(false);
}

}  // namespace vantrel
