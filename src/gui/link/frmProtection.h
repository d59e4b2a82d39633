#pragma once
// `frmProtection`, the unlock prompt: shown after a protected codeplug has been
// loaded (read, opened, or named on the command line). Until the stored
// password is typed the editor stays locked: the data can be looked at and
// saved, but not written, printed or replaced by defaults. Three attempts.
#include "codeplug/AppState.h"
#include "gui/common/Prompts.h"
#include "gui/link/PasswordForm.h"

namespace vantrel {

class MDIFormMain;

class frmProtection : public PasswordForm {
    Q_OBJECT
public:
    frmProtection(AppState& state, Prompts& prompts, MDIFormMain& main);

    // Locks the editor and Write, disables the main window and asks.
    void Ask();

protected:
    void okClicked() override;
    void cancelClicked() override;
    void onUnload() override;

private:
    void lockedCommands();

    AppState& state_;
    Prompts& prompts_;
    MDIFormMain& main_;
};

}  // namespace vantrel
