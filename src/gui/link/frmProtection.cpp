#include "gui/link/frmProtection.h"

#include "gui/common/CoreTexts.h"

#include "codeplug/FactoryFields.h"

#include <QLineEdit>

#include "codeplug/ByteMap.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/frmMain.h"
#include "gui/link/MainCommands.h"
#include "gui/shell/MDIFormMain.h"
#include "link/PasswordCheck.h"

namespace vantrel {

namespace bm = bytemap;

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
    const std::string stored = StoredPassword(state_.image);
    frmMain& editor = *main_.editor();
    switch (link::CheckPasswordEntry(txtPassword()->text().toStdString(), stored,
                                     state_.passwordAttempts)) {
    case link::PasswordEntry::Accepted:
        // The unload marks the password as kept; the unlock opens the box
        // again with the codeplug's password in it.
        unload();
        editor.UnlockProtected();
        SetCommandsEnabled(main_, kWriteCommands, true);
        SetCommandsEnabled(main_, kPrintAndDefault, true);
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
        prompts_.tell(TrCoreText(QString::fromLatin1(link::text::kPasswordRefused)),
                      TrCoreText(QString::fromLatin1(link::text::kPasswordCaption)));
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
