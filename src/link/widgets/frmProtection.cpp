#include "link/widgets/frmProtection.h"

#include <QLineEdit>

#include "channels/widgets/ChannelGrid.h"
#include "codeplug/ByteMap.h"
#include "codeplug/widgets/RadioInfoFrame.h"
#include "codeplug/widgets/frmMain.h"
#include "link/PasswordCheck.h"
#include "link/widgets/MainCommands.h"
#include "shell/widgets/MDIFormMain.h"

namespace vantrel {

namespace bm = bytemap;

QString StoredPassword(const CodeplugImage& image) {
    const std::size_t n = std::min<std::size_t>(image.byte(bm::PasswordLengthCopy), bm::PasswordSize);
    QString text;
    for (std::size_t k = 0; k < n; ++k) text += QChar(image.byte(bm::Password + k));
    return text;
}

frmProtection::frmProtection(AppState& state, Prompts& prompts, MDIFormMain& main)
    : PasswordForm("frmProtection", &main), state_(state), prompts_(prompts), main_(main) {}

void frmProtection::Ask() {
    main_.editor()->LockEditor();
    SetCommandsEnabled(main_, kWriteCommands, false);
    main_.setEnabled(false);
    open();
}

void frmProtection::lockedCommands() {
    SetCommandsEnabled(main_, kWriteCommands, false);
    SetCommandsEnabled(main_, kPrintAndDefault, false);
}

void frmProtection::okClicked() {
    main_.setEnabled(true);
    const QString stored = StoredPassword(state_.image);
    frmMain& editor = *main_.editor();
    QLineEdit* editorPassword = editor.radioInfo()->passwordBox();
    switch (link::CheckPasswordEntry(txtPassword()->text().toStdString(), stored.toStdString(),
                                     state_.passwordAttempts)) {
    case link::PasswordEntry::Accepted:
        editor.UnlockEditor();
        editorPassword->setEnabled(true);
        state_.passwordKept = false;
        editor.grid()->ShadeChannelGrid();
        unload();
        // The unload marks the password as kept; the box is open again now.
        state_.passwordKept = false;
        editorPassword->setText(stored);
        SetCommandsEnabled(main_, kWriteCommands, true);
        SetCommandsEnabled(main_, kPrintAndDefault, true);
        state_.passwordAttempts = 0;
        break;
    case link::PasswordEntry::TryAgain:
        showInvalidTexts();
        main_.setEnabled(false);
        lockedCommands();
        break;
    case link::PasswordEntry::Refused:
        showInvalidTexts();
        unload();
        lockedCommands();
        prompts_.tell(link::text::kPasswordRefused, link::text::kPasswordCaption);
        state_.passwordKept = true;
        editor.setFocus();
        break;
    }
}

void frmProtection::cancelClicked() {
    txtPassword()->clear();
    state_.passwordAttempts = 0;
    state_.passwordKept = true;
    hide();
    frmMain& editor = *main_.editor();
    editor.setEnabled(true);
    editor.radioInfo()->passwordBox()->setEnabled(false);
    main_.setEnabled(true);
    main_.activateWindow();
    main_.setFocus();
    SetCommandsEnabled(main_, kSaveCommands, true);
    SetCommandsEnabled(main_, kPrintAndDefault, false);
}

void frmProtection::onUnload() {
    txtPassword()->clear();
    state_.passwordAttempts = 0;
    state_.passwordKept = true;
    main_.setEnabled(true);
    SetCommandsEnabled(main_, kSaveCommands, true);
    SetCommandsEnabled(main_, kPrintAndDefault, false);
}

}  // namespace vantrel
