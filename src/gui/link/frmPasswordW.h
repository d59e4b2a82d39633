#pragma once
// `frmPasswordW`, the write prompt: shown during a write when the radio holds
// a password of its own. The write goes on only once that password has been
// typed; Cancel, the close box or a third wrong entry abandon it. While the
// prompt is open the read/write dialog is disabled.
#include <QString>
#include <functional>

#include "codeplug/AppState.h"
#include "gui/common/Prompts.h"
#include "gui/link/PasswordForm.h"

namespace vantrel {

class MDIFormMain;
class frmProgram;

class frmPasswordW : public PasswordForm {
    Q_OBJECT
public:
    frmPasswordW(AppState& state, Prompts& prompts, MDIFormMain& main, frmProgram& dialog);

    // Asks for `radioPassword`; `done(true)` once it has been typed,
    // `done(false)` when the prompt is abandoned. Called exactly once.
    void Ask(const QString& radioPassword, std::function<void(bool accepted)> done);

protected:
    void okClicked() override;
    void cancelClicked() override;
    void onUnload() override;

private:
    void report(bool accepted);

    AppState& state_;
    Prompts& prompts_;
    MDIFormMain& main_;
    frmProgram& dialog_;
    QString radioPassword_;
    std::function<void(bool)> done_;
    bool accepted_ = false;
};

}  // namespace vantrel
